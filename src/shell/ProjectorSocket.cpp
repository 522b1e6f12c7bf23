#include "shell/ProjectorSocket.h"

#include <netdb.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "assets/Log.h"
#include "devices/RoomFile.h"

namespace yunuri {
namespace {

std::atomic<int> lookups{0};

LinkLoss lossOf(int error) {
  switch (error) {
    case ECONNREFUSED:
      return LinkLoss::Refused;
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ENETDOWN:
    case EHOSTDOWN:
      return LinkLoss::Unreachable;
    case 0:  // the projector ended the connection in order
    case ECONNRESET:
    case EPIPE:
      return LinkLoss::Closed;
    default:
      return LinkLoss::Failed;
  }
}

}  // namespace

// What a lookup's thread shares with its connection: the answer, and an eventfd written once it is there. The
// last of the two to let go of it closes the eventfd, so a connection that gave the lookup up just stops
// watching, and the thread never touches the connection.
struct TcpProjectorSocket::Lookup {
  int answered = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  std::mutex mutex;
  std::vector<Address> addresses;
  std::string failure;

  Lookup() = default;
  ~Lookup() {
    if (answered >= 0) ::close(answered);
  }
  Lookup(const Lookup&) = delete;
  Lookup& operator=(const Lookup&) = delete;
};

// The addresses getaddrinfo found, copied out of its list.
std::vector<TcpProjectorSocket::Address> TcpProjectorSocket::copyOut(const addrinfo* found) {
  std::vector<Address> addresses;
  for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
    Address address;
    std::memcpy(&address.storage, a->ai_addr, a->ai_addrlen);
    address.length = a->ai_addrlen;
    addresses.push_back(address);
  }
  return addresses;
}

LinkEvents EventsOf(RealProjector& projector) {
  return {[&projector] { projector.Connected(); },
          [&projector](std::string_view bytes) { projector.Received(bytes); },
          [&projector](LinkLoss why) { projector.Lost(why); }};
}

TcpProjectorSocket::TcpProjectorSocket(std::string name, std::string host, std::uint16_t port)
    : name_(std::move(name)), host_(std::move(host)), port_(port) {
  connect(&readable_, &QSocketNotifier::activated, this, &TcpProjectorSocket::onReadable);
  connect(&writable_, &QSocketNotifier::activated, this, &TcpProjectorSocket::onWritable);
  connect(&answered_, &QSocketNotifier::activated, this, &TcpProjectorSocket::lookedUp);
  news_.setSingleShot(true);
  connect(&news_, &QTimer::timeout, this, &TcpProjectorSocket::tellNews);
}

TcpProjectorSocket::~TcpProjectorSocket() {
  Close();
}

int TcpProjectorSocket::lookupsRunning() {
  return lookups.load();
}

void TcpProjectorSocket::Connect() {
  Close();
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  // A numeric address is only parsed, never sent to a resolver: it connects from here.
  if (::getaddrinfo(host_.c_str(), std::to_string(port_).c_str(), &hints, &found) != 0) {
    lookUp();
    return;
  }
  addresses_ = copyOut(found);
  ::freeaddrinfo(found);
  connectNext();
}

void TcpProjectorSocket::lookUp() {
  auto lookup = std::make_shared<Lookup>();
  if (lookup->answered < 0) {
    giveUp(errno);
    return;
  }
  ++lookups;
  try {
    // Detached: a resolver that does not answer keeps its thread until its own timeout, and neither a new
    // attempt nor the program's end waits for it.
    std::thread([lookup, host = host_, service = std::to_string(port_)] {
      addrinfo hints{};
      hints.ai_socktype = SOCK_STREAM;
      hints.ai_flags = AI_NUMERICSERV;
      addrinfo* found = nullptr;
      const int status = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
      {
        const std::lock_guard lock(lookup->mutex);
        if (status == 0) {
          lookup->addresses = copyOut(found);
        } else {
          lookup->failure = ::gai_strerror(status);
        }
      }
      if (found != nullptr) ::freeaddrinfo(found);
      const std::uint64_t one = 1;
      [[maybe_unused]] const ssize_t written = ::write(lookup->answered, &one, sizeof one);
      --lookups;
    }).detach();
  } catch (const std::system_error& e) {
    --lookups;
    giveUp(e.code().value());
    return;
  }
  lookup_ = std::move(lookup);
  stage_ = Stage::LookingUp;
  answered_.setSocket(lookup_->answered);
  answered_.setEnabled(true);
}

void TcpProjectorSocket::lookedUp() {
  answered_.setEnabled(false);
  const std::shared_ptr<Lookup> lookup = std::move(lookup_);
  if (!lookup || stage_ != Stage::LookingUp) return;
  {
    const std::lock_guard lock(lookup->mutex);
    addresses_ = std::move(lookup->addresses);
    if (addresses_.empty()) {
      Log("cannot find the host: " + (lookup->failure.empty() ? std::string("no address") : lookup->failure));
    }
  }
  // An unknown name is as far out of reach as an address without a route.
  if (addresses_.empty()) {
    ended(EHOSTUNREACH);
  } else {
    connectNext();
  }
}

void TcpProjectorSocket::connectNext() {
  while (next_ < addresses_.size()) {
    const Address& address = addresses_[next_++];
    const int fd = ::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
      lastError_ = errno;
      continue;
    }
    // Connected at once or not, the write notifier says so: the projector always hears it from the event
    // loop.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address.storage), address.length) == 0 ||
        errno == EINPROGRESS || errno == EINTR) {
      watch(fd);
      stage_ = Stage::Connecting;
      writable_.setEnabled(true);
      return;
    }
    lastError_ = errno;
    ::close(fd);
  }
  giveUp(lastError_);
}

void TcpProjectorSocket::watch(int fd) {
  fd_ = fd;
  readable_.setSocket(fd);
  writable_.setSocket(fd);
}

void TcpProjectorSocket::opened() {
  stage_ = Stage::Open;
  readable_.setEnabled(true);
  writable_.setEnabled(!unsent_.empty());
}

void TcpProjectorSocket::onWritable() {
  if (stage_ == Stage::Connecting) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) < 0) error = errno;
    if (error != 0) {
      // The next address of the host, if it has one, before the projector hears of it.
      lastError_ = error;
      closeSocket();
      connectNext();
      return;
    }
    opened();
    if (events_.connected) events_.connected();
    return;
  }
  if (const int error = sendUnsent(); error != 0) ended(error);
}

void TcpProjectorSocket::onReadable() {
  std::array<char, kReadChunk> chunk{};
  const ssize_t n = ::recv(fd_, chunk.data(), chunk.size(), 0);
  if (n > 0) {
    if (events_.received) events_.received(std::string_view(chunk.data(), static_cast<std::size_t>(n)));
    return;
  }
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
  ended(n == 0 ? 0 : errno);
}

void TcpProjectorSocket::Write(std::string_view bytes) {
  if (stage_ == Stage::Closed) return;  // nothing to write to: the projector hears of its end anyway
  if (unsent_.size() + bytes.size() > kMaxUnsent) {
    giveUp(ENOBUFS);
    return;
  }
  unsent_.append(bytes);
  if (stage_ != Stage::Open) return;  // sent once connected
  if (const int error = sendUnsent(); error != 0) giveUp(error);
}

int TcpProjectorSocket::sendUnsent() {
  while (!unsent_.empty()) {
    const ssize_t n = ::send(fd_, unsent_.data(), unsent_.size(), MSG_NOSIGNAL);
    if (n > 0) {
      unsent_.erase(0, static_cast<std::size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      break;
    } else {
      return n < 0 ? errno : EPIPE;
    }
  }
  writable_.setEnabled(!unsent_.empty());
  return 0;
}

void TcpProjectorSocket::Close() {
  news_.stop();
  answered_.setEnabled(false);
  lookup_.reset();
  closeSocket();
  stage_ = Stage::Closed;
  unsent_.clear();
  addresses_.clear();
  next_ = 0;
  lastError_ = 0;
}

void TcpProjectorSocket::closeSocket() {
  readable_.setEnabled(false);
  writable_.setEnabled(false);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

LinkLoss TcpProjectorSocket::finish(int error) {
  closeSocket();
  stage_ = Stage::Closed;
  unsent_.clear();
  const LinkLoss why = lossOf(error);
  // The projector only learns that the socket failed; the log keeps what the system said.
  if (why == LinkLoss::Failed) Log(std::string("socket error: ") + std::strerror(error));
  return why;
}

void TcpProjectorSocket::ended(int error) {
  const LinkLoss why = finish(error);
  if (events_.lost) events_.lost(why);
}

void TcpProjectorSocket::giveUp(int error) {
  later(finish(error));
}

void TcpProjectorSocket::later(LinkLoss why) {
  pendingLoss_ = why;
  news_.start(0);
}

void TcpProjectorSocket::tellNews() {
  if (events_.lost) events_.lost(pendingLoss_);
}

void TcpProjectorSocket::Log(std::string_view line) {
  qCWarning(lcPanel, "%s %s: %.*s", name_.c_str(), room::AddressText(host_, port_).c_str(),
            static_cast<int>(line.size()), line.data());
}

}  // namespace yunuri
