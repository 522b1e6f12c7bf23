#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "pjlink/LineFramer.h"
#include "pjlink/Protocol.h"

// One connection to one projector without the socket: the caller hands over what arrived and the time, and
// writes what it is handed. Only one command is ever in flight, and the greeting and each command have their
// own deadline, so a projector that goes quiet ends the connection in seconds rather than the system's
// minutes.
namespace yunuri::pjlink {

struct Answer {
  Request request;
  Reply reply;
};

class Session {
 public:
  // How a connection ended: the projector went quiet, refused the password, or said what no projector says.
  enum class Ending : std::uint8_t { Open, Silent, Password, Protocol };

  using Time = std::chrono::milliseconds;  // any steady clock's count, as long as it only goes forward
  static constexpr Time kTimeout{5000};
  // More waiting than a panel ever asks for between two replies: a caller that piles up more is stuck.
  static constexpr std::size_t kMostQueued = 8;

  // The connection was made at `now`: the greeting is due.
  Session(Password password, Time now);

  // Sent as soon as the greeting came and the command before it was answered. False when the session
  // ended or too much waits.
  bool Send(Request request, Time now);
  void Received(std::string_view bytes, Time now);
  void Tick(Time now);

  // What to write on the socket now.
  std::string TakeOutgoing();
  std::optional<Answer> TakeAnswer();

  bool Ended() const { return how_ != Ending::Open; }
  Ending How() const { return how_; }
  // Why the connection should close, for the log; empty while it need not.
  std::string_view Why() const { return why_; }
  // Greeted, nothing in flight and nothing waiting: a projector that closes now loses nothing.
  bool Idle() const { return !Ended() && outgoing_.has_value() && !inFlight_ && queue_.empty(); }

 private:
  void Line(std::string_view line, Time now);
  void SendNext(Time now);
  void End(Ending how, std::string_view why);

  Password password_;
  LineFramer framer_;
  std::optional<Outgoing> outgoing_;  // from the greeting on
  std::deque<Request> queue_;
  std::optional<Request> inFlight_;
  Time deadline_;
  std::string written_;
  std::deque<Answer> answers_;
  std::string_view why_;
  Ending how_ = Ending::Open;
};

}  // namespace yunuri::pjlink
