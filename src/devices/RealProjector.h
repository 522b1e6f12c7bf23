#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

#include "devices/RoomFile.h"
#include "pjlink/Session.h"
#include "window/Form1.h"
#include "window/ProjectorDrive.h"

namespace yunuri {

// Why a connection to a projector ended or was never made.
enum class LinkLoss : std::uint8_t {
  Refused,      // nothing listens at the address
  Unreachable,  // no route, or the host name is unknown
  Closed,       // the projector closed the connection
  Failed,       // any other error of the socket
};

// The platform's side of one projector of the room file: a TCP connection to its address. Everything the
// projector says is handed back to its RealProjector on the panel's thread.
class ProjectorSocket {
 public:
  ProjectorSocket() = default;
  virtual ~ProjectorSocket() = default;
  ProjectorSocket(const ProjectorSocket&) = delete;
  ProjectorSocket& operator=(const ProjectorSocket&) = delete;

  // Begins to connect; the outcome comes later through RealProjector::Connected or Lost, never from within
  // this call. Never blocks, name resolution included.
  virtual void Connect() = 0;
  // Writes on the open connection; what the socket does not take at once is kept and written later.
  virtual void Write(std::string_view bytes) = 0;
  // Closes the connection or gives up connecting. No Lost follows.
  virtual void Close() = 0;
  // One line for the program's log. Never holds the password.
  virtual void Log(std::string_view line) = 0;
};

// A projector of the room file, driven over PJLink. It asks and commands through its socket and changes the
// panel only in Step, on the tick.
class RealProjector final : public ProjectorDrive {
 public:
  RealProjector(room::ProjectorLink link, ProjectorSocket& socket);
  ~RealProjector() override;

  void Power(Form1& f, std::size_t side, bool on) override;
  void Send(Form1& f, std::size_t side, std::size_t source) override;
  void Step(Form1& f, std::size_t side) override;

  // From the platform, on the panel's thread.
  void Connected();
  void Received(std::string_view bytes);
  void Lost(LinkLoss why);

 private:
  // What went wrong last, as its caption told it; None once the projector answers as it should.
  enum class Fault : std::uint8_t { None, NoAnswer, Refused, Password, Command, Busy, Failure };
  // Why a command is sent, which decides what its answer changes.
  enum class Purpose : std::uint8_t { Poll, Power, SendStep, SendDone };
  struct Job {
    pjlink::Request request;
    Purpose purpose = Purpose::Poll;
    std::size_t source = 0;      // for SendDone: whose caption its OK brings
    std::int64_t notBefore = 0;  // the tick it may go at, for a command asked again
  };
  enum class Link : std::uint8_t { Down, Connecting, Up };

  void Pump();
  void Answered(const pjlink::Answer& answer);
  void AnsweredPower(const pjlink::Answer& answer);
  void AnsweredStatus(const pjlink::Reply& reply);
  void Flush();
  void EndIfOver();
  void Fail(Fault fault, std::string_view why);
  void Refused(pjlink::Refusal refusal);
  void Log(std::string_view what);
  void Drop(Purpose purpose);
  bool UserWaiting() const;
  bool InTransition() const;
  // Whether the last fault is one of reaching it: its buttons show that it does not answer.
  bool LinkDown() const {
    return fault_ == Fault::NoAnswer || fault_ == Fault::Refused || fault_ == Fault::Password;
  }
  void QueuePoll();
  void Show(Form1& f, std::size_t side);

  room::ProjectorLink link_;
  ProjectorSocket& socket_;
  std::size_t side_ = 0;  // learnt from the panel's calls, for the captions
  std::int64_t now_ = 0;  // ticks since the projector was made
  Link state_ = Link::Down;
  std::int64_t connectDeadline_ = 0;
  std::optional<pjlink::Session> session_;
  std::deque<Job> jobs_;
  std::optional<Job> inFlight_;
  int fruitless_ = 0;  // connections in a row that ended with nothing answered
  std::int64_t nextPoll_ = 0;
  std::int64_t retryAt_ = 0;
  bool locked_ = false;  // a refused password: nothing more until the next press
  bool statusUnsupported_ = false;
  std::optional<pjlink::Power> known_;
  std::optional<pjlink::Faults> faults_;
  std::optional<bool> target_;  // the power a press asked for, until the projector reports it
  // Where the panel showed the projector before the last press: where it rests while nothing is known and
  // the press came to nothing.
  std::optional<bool> beforePress_;
  bool taken_ = false;  // the projector took the power command of the press
  int busyRetries_ = 0;
  int stuckPolls_ = 0;  // polls after it took the command that still find it where it was
  Fault fault_ = Fault::None;
  std::vector<std::string_view> says_;  // captions for the next Step to write, the last one staying
};

}  // namespace yunuri
