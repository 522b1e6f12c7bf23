#include "shell/ProjectorSocket.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QMetaObject>
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

// What a lookup's thread shares with its connection: the connection to hand the answer to, or nobody once it
// gave the lookup up. Held under the lock while the answer is posted, so the connection cannot go meanwhile.
struct TcpProjectorSocket::Lookup {
  std::mutex mutex;
  TcpProjectorSocket* owner = nullptr;
};

LinkEvents EventsOf(RealProjector& projector) {
  return {[&projector] { projector.Connected(); },
          [&projector](std::string_view bytes) { projector.Received(bytes); },
          [&projector](LinkLoss why) { projector.Lost(why); }};
}

TcpProjectorSocket::TcpProjectorSocket(std::string name, std::string host, std::uint16_t port)
    : name_(std::move(name)), host_(std::move(host)), port_(port) {
  connect(&readable_, &QSocketNotifier::activated, this, &TcpProjectorSocket::onReadable);
  connect(&writable_, &QSocketNotifier::activated, this, &TcpProjectorSocket::onWritable);
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
  const std::string service = std::to_string(port_);
  // A numeric address is only parsed, never sent to a resolver: it connects from here.
  if (::getaddrinfo(host_.c_str(), service.c_str(), &hints, &found) != 0) {
    lookUp();
    return;
  }
  for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
    Address address;
    std::memcpy(&address.storage, a->ai_addr, a->ai_addrlen);
    address.length = a->ai_addrlen;
    addresses_.push_back(address);
  }
  ::freeaddrinfo(found);
  connectNext();
}

void TcpProjectorSocket::lookUp() {
  auto lookup = std::make_shared<Lookup>();
  lookup->owner = this;
  lookup_ = lookup;
  stage_ = Stage::LookingUp;
  ++lookups;
  try {
    // Detached: a resolver that does not answer keeps its thread until its own timeout, and the program's end
    // must not wait for it. The thread holds only what it shares with nobody but the lookup.
    std::thread([lookup, host = host_, service = std::to_string(port_), attempt = attempt_] {
      addrinfo hints{};
      hints.ai_socktype = SOCK_STREAM;
      hints.ai_flags = AI_NUMERICSERV;
      addrinfo* found = nullptr;
      const int status = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
      std::vector<Address> addresses;
      for (const addrinfo* a = status == 0 ? found : nullptr; a != nullptr; a = a->ai_next) {
        Address address;
        std::memcpy(&address.storage, a->ai_addr, a->ai_addrlen);
        address.length = a->ai_addrlen;
        addresses.push_back(address);
      }
      if (found != nullptr) ::freeaddrinfo(found);
      std::string failure = status == 0 ? std::string() : std::string(::gai_strerror(status));
      {
        const std::lock_guard lock(lookup->mutex);
        if (TcpProjectorSocket* owner = lookup->owner) {
          QMetaObject::invokeMethod(
              owner,
              [owner, attempt, addresses = std::move(addresses), failure = std::move(failure)] {
                owner->lookedUp(attempt, addresses, failure);
              },
              Qt::QueuedConnection);
        }
      }
      --lookups;
    }).detach();
  } catch (const std::system_error& e) {
    --lookups;
    lookup_.reset();
    giveUp(e.code().value());
  }
}

void TcpProjectorSocket::lookedUp(unsigned attempt, const std::vector<Address>& addresses,
                                  const std::string& failure) {
  if (attempt != attempt_ || stage_ != Stage::LookingUp) return;
  lookup_.reset();
  if (addresses.empty()) {
    Log("cannot find the host: " + (failure.empty() ? std::string("no address") : failure));
    ended(EHOSTUNREACH);  // an unknown name is as far out of reach as an address without a route
    return;
  }
  addresses_ = addresses;
  connectNext();
}

void TcpProjectorSocket::connectNext() {
  while (next_ < addresses_.size()) {
    const Address& address = addresses_[next_++];
    const int fd = ::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
      lastError_ = errno;
      continue;
    }
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address.storage), address.length) == 0) {
      watch(fd);
      opened();
      later([this] {
        if (events_.connected) events_.connected();
      });
      return;
    }
    if (errno == EINPROGRESS || errno == EINTR) {
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
  ++attempt_;
  if (lookup_) {
    const std::lock_guard lock(lookup_->mutex);
    lookup_->owner = nullptr;
  }
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
  const LinkLoss why = finish(error);
  later([this, why] {
    if (events_.lost) events_.lost(why);
  });
}

void TcpProjectorSocket::later(std::function<void()> call) {
  QMetaObject::invokeMethod(
      this,
      [this, attempt = attempt_, call = std::move(call)] {
        if (attempt == attempt_) call();
      },
      Qt::QueuedConnection);
}

void TcpProjectorSocket::Log(std::string_view line) {
  const bool bracketed = host_.find(':') != std::string::npos;  // an IPv6 address
  qCWarning(lcPanel, "%s %s%s%s:%u: %.*s", name_.c_str(), bracketed ? "[" : "", host_.c_str(),
            bracketed ? "]" : "", static_cast<unsigned>(port_), static_cast<int>(line.size()), line.data());
}

}  // namespace yunuri
