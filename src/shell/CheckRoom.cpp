#include "shell/CheckRoom.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "pjlink/Protocol.h"
#include "pjlink/Session.h"
#include "window/Sources.h"

namespace yunuri {

namespace {

using pjlink::Command;
using Time = pjlink::Session::Time;

// What the report asks, in the order it prints. The lamp is asked last: laser models have none to tell of.
constexpr std::array kQuestions{Command::Name,  Command::Maker,  Command::Model,       Command::Class,
                                Command::Power, Command::Inputs, Command::ErrorStatus, Command::Lamp};
static_assert(kQuestions.size() <= pjlink::Session::kMostQueued);

constexpr int kPollSlice = 100;  // ms between looks at the clock while waiting

Time now() {
  return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

class Socket {
 public:
  Socket() = default;
  explicit Socket(int fd) : fd_(fd) {}
  Socket(Socket&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Socket& operator=(Socket&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }
  bool open() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Waits for `events` on the socket until `deadline`; the events that came, 0 when the time is up.
int waitFor(const Socket& socket, short events, Time deadline) {
  for (;;) {
    const auto left = std::clamp<Time::rep>((deadline - now()).count(), 0, kPollSlice);
    pollfd entry{socket.fd(), events, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(left));
    if (ready > 0) return entry.revents;
    if (ready < 0 && errno != EINTR) return POLLERR;
    if (ready == 0 && now() >= deadline) return 0;
  }
}

// A connection to the first of the host's addresses that takes one, without waiting the system's minutes.
std::pair<Socket, std::string> connectTo(const std::string& host, std::uint16_t port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV | AI_ADDRCONFIG;
  addrinfo* found = nullptr;
  if (const int error = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found)) {
    return {Socket(), std::string("address not found: ") + ::gai_strerror(error)};
  }
  std::string why = "no address";
  for (const addrinfo* address = found; address != nullptr; address = address->ai_next) {
    Socket socket(::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.open()) {
      why = std::strerror(errno);
      continue;
    }
    int error = 0;
    if (::connect(socket.fd(), address->ai_addr, address->ai_addrlen) != 0) {
      error = errno;
      if (error == EINPROGRESS) {
        if (waitFor(socket, POLLOUT, now() + pjlink::Session::kTimeout) == 0) {
          why = "no connection within 5 s";
          continue;
        }
        socklen_t size = sizeof error;
        if (::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
      }
    }
    if (error == 0) {
      ::freeaddrinfo(found);
      return {std::move(socket), std::string()};
    }
    why = std::strerror(error);
  }
  ::freeaddrinfo(found);
  return {Socket(), why};
}

bool writeAll(const Socket& socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(socket.fd(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(sent));
      continue;
    }
    const bool mayWait = sent == 0 || errno == EAGAIN || errno == EINTR;
    if (!mayWait || waitFor(socket, POLLOUT, now() + pjlink::Session::kTimeout) == 0) return false;
  }
  return true;
}

struct Asked {
  std::vector<pjlink::Answer> answers;
  std::string failure;  // why not every question was answered; empty when all were
};

// Asks every question, over as many connections as the projector needs: some close after each reply, which
// is no fault. A connection that ends before its first reply is one.
Asked ask(const room::ProjectorLink& link) {
  Asked asked;
  std::size_t next = 0;
  while (next < kQuestions.size() && asked.failure.empty()) {
    auto [socket, why] = connectTo(link.host, link.port);
    if (!socket.open()) {
      asked.failure = why;
      break;
    }
    pjlink::Session session(pjlink::Password(link.password), now());
    for (std::size_t i = next; i < kQuestions.size(); ++i) session.Send(pjlink::Ask(kQuestions.at(i)), now());
    const std::size_t first = next;
    for (;;) {
      if (!writeAll(socket, session.TakeOutgoing())) {
        asked.failure = "the connection broke";
        break;
      }
      while (std::optional<pjlink::Answer> answer = session.TakeAnswer()) {
        asked.answers.push_back(std::move(*answer));
        ++next;
      }
      if (session.Ended()) {
        asked.failure = session.Why();
        break;
      }
      if (next == kQuestions.size()) break;
      if (waitFor(socket, POLLIN, now() + Time(kPollSlice)) != 0) {
        std::array<char, 512> buffer{};
        const ssize_t got = ::recv(socket.fd(), buffer.data(), buffer.size(), 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
          if (next == first)
            asked.failure = got == 0 ? "closed the connection unasked" : std::strerror(errno);
          break;
        }
        if (got > 0) session.Received(std::string_view(buffer.data(), static_cast<std::size_t>(got)), now());
      }
      session.Tick(now());
    }
  }
  return asked;
}

// Text from the projector as it may be printed: it comes from the network.
std::string printable(std::string_view text) {
  std::string out;
  for (const char c : text) out += (c >= ' ' && c < 0x7f) ? c : '?';
  return out.empty() ? "(none)" : out;
}

constexpr std::array<const char*, 5> kRefusals{"ERR1, not known", "ERR2, out of range", "ERR3, not now",
                                               "ERR4, projector failure", "ERRA, password refused"};
constexpr std::array<const char*, 4> kPowers{"off", "on", "cooling down", "warming up"};
constexpr std::array<const char*, 6> kParts{"fan", "lamp", "temperature", "cover", "filter", "other"};

// What a reply says, in a few words.
struct Describe {
  std::string operator()(const pjlink::Refusal& r) const { return kRefusals.at(static_cast<std::size_t>(r)); }
  std::string operator()(const pjlink::Power& p) const { return kPowers.at(static_cast<std::size_t>(p)); }
  std::string operator()(const pjlink::Inputs& i) const {
    std::string out;
    for (const std::string& code : i.codes) out += (out.empty() ? "" : " ") + code;
    return printable(out);
  }
  std::string operator()(const pjlink::Faults& f) const {
    std::string out;
    for (std::size_t i = 0; i < f.parts.size(); ++i) {
      if (f.parts.at(i) == pjlink::Health::Fine) continue;
      out += out.empty() ? "" : ", ";
      out += kParts.at(i);
      out += f.parts.at(i) == pjlink::Health::Warning ? " warning" : " error";
    }
    return out.empty() ? "none" : out;
  }
  std::string operator()(const pjlink::Lamps& l) const {
    std::string out;
    for (const pjlink::Lamp& lamp : l.lamps) {
      out += out.empty() ? "" : ", ";
      out += std::to_string(lamp.hours) + " h " + (lamp.on ? "on" : "off");
    }
    return out.empty() ? "(none)" : out;
  }
  std::string operator()(const pjlink::ClassNumber& c) const { return std::to_string(c.number); }
  std::string operator()(const pjlink::Text& t) const { return printable(t.text); }
  template <typename Other>
  std::string operator()(const Other& /*other*/) const {
    return "(unexpected)";
  }
};

std::string describe(const pjlink::Reply& reply) {
  return std::visit(Describe{}, reply);
}

constexpr std::array<const char*, kQuestions.size()> kLabels{"name",  "maker",  "model",  "class",
                                                             "power", "inputs", "errors", "lamp"};

// The inputs the file wires that the projector does not list: a wrong number in the file, most often.
void flagUnlisted(const room::ProjectorLink& link, const pjlink::Inputs& listed, std::FILE* out) {
  for (std::size_t source = 0; source < link.inputs.size(); ++source) {
    const std::string& code = link.inputs.at(source);
    if (code.empty() || std::ranges::find(listed.codes, code) != listed.codes.end()) continue;
    const std::string key(kSources.at(source).key);
    // The list is asked in class 1, which has no name for a letter or the internal kind 6: such an input
    // is switched in class 2 and cannot be checked here.
    if (pjlink::SelectInput(code)->Class() == '2') {
      std::fprintf(out, "  - input.%s = %s: a class 2 input, not in the list asked\n", key.c_str(),
                   code.c_str());
      continue;
    }
    std::fprintf(out, "  ! input.%s = %s: the projector lists no such input\n", key.c_str(), code.c_str());
  }
}

// The report on one projector; true when it answered everything.
bool report(std::string_view section, const room::ProjectorLink& link, std::FILE* out) {
  std::fprintf(out, "[%s] %s\n", std::string(section).c_str(),
               room::AddressText(link.host, link.port).c_str());
  std::fflush(out);
  const Asked asked = ask(link);
  for (const pjlink::Answer& answer : asked.answers) {
    // A refused password is the failure below, not an answer to the question.
    const auto* refusal = std::get_if<pjlink::Refusal>(&answer.reply);
    if (refusal != nullptr && *refusal == pjlink::Refusal::Denied) continue;
    const auto question = std::ranges::find(kQuestions, answer.request.command) - kQuestions.begin();
    std::fprintf(out, "  %-7s %s\n", kLabels.at(static_cast<std::size_t>(question)),
                 describe(answer.reply).c_str());
    if (const auto* inputs = std::get_if<pjlink::Inputs>(&answer.reply)) flagUnlisted(link, *inputs, out);
  }
  if (!asked.failure.empty()) {
    std::string why = asked.failure;
    why[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(why[0])));  // strerror's capital
    std::fprintf(out, "  no answer: %s\n", why.c_str());
  }
  return asked.failure.empty();
}

}  // namespace

int checkRoom(const room::Room& room, std::FILE* out) {
  int answered = 0;
  int asked = 0;
  for (std::size_t i = 0; i < room.projectors.size(); ++i) {
    const std::optional<room::ProjectorLink>& link = room.projectors.at(i);
    if (!link) continue;
    ++asked;
    if (report(room::kSections.at(i), *link, out)) ++answered;
  }
  if (answered == asked) {
    std::fprintf(out, "every projector answered\n");
  } else {
    std::fprintf(out, "%d of %d projectors did not answer\n", asked - answered, asked);
  }
  return answered == asked ? 0 : 1;
}

}  // namespace yunuri
