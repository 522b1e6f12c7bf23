#include "devices/RealProjector.h"

#include <algorithm>
#include <string>
#include <utility>
#include <variant>

#include "devices/ProjectorCaptions.h"
#include "devices/ProjectorFaults.h"
#include "window/Sources.h"

namespace yunuri {
namespace {

constexpr pjlink::Session::Time kTick{100};  // Step comes every tick
constexpr std::int64_t kConnectTicks = 50;   // as long as the protocol gives a command
// Every second or so while the projector is on its way somewhere; when it rests, often enough that a
// projector which closes an idle connection after about 30 s keeps it, and no more often than gains anything.
constexpr std::int64_t kTransitionPoll = 10;
constexpr std::int64_t kStablePoll = 200;
constexpr std::int64_t kRetryTicks = 200;  // an unreachable projector is tried again this often
// Two connections in a row that answered nothing: the projector takes them, then says nothing useful.
constexpr int kMostFruitless = 2;

}  // namespace

RealProjector::RealProjector(room::ProjectorLink link, ProjectorSocket& socket)
    : link_(std::move(link)), socket_(socket) {}

RealProjector::~RealProjector() = default;

void RealProjector::Power(Form1& /*f*/, std::size_t side, bool on) {
  side_ = side;
  locked_ = false;  // a press is the one new try after a refused password
  target_ = on;
  beforePress_ = !on;  // ON may act only on a projector shown off or cooling down, OFF only otherwise
  taken_ = false;
  busyRetries_ = 0;
  stuckPolls_ = 0;
  Drop(Purpose::Power);
  jobs_.push_front({pjlink::SetPower(on), Purpose::Power});
  Pump();
}

void RealProjector::Send(Form1& f, std::size_t side, std::size_t source) {
  side_ = side;
  if (!projector::ShowsPicture(f.state.*kProjectors.at(side).phase)) {
    f.SetCaption(kProjectorNotOn.at(side));
    return;
  }
  // Only the last send counts: one still waiting gives way.
  Drop(Purpose::SendStep);
  Drop(Purpose::SendDone);
  if (source == 0) {
    jobs_.push_back({pjlink::SetMute(pjlink::Mute::PictureOn), Purpose::SendDone, source});
  } else {
    const std::optional<pjlink::Request> input = pjlink::SelectInput(link_.inputs.at(source));
    if (!input) {
      f.SetCaption(kProjectorFaultCaptions.at(side).noInput);
      return;
    }
    // The input first, so that lifting the mute shows the new picture rather than the old one.
    jobs_.push_back({*input, Purpose::SendStep, source});
    jobs_.push_back({pjlink::SetMute(pjlink::Mute::PictureOff), Purpose::SendDone, source});
  }
  locked_ = false;
  Pump();
}

void RealProjector::Step(Form1& f, std::size_t side) {
  side_ = side;
  ++now_;
  if (state_ == Link::Connecting && now_ >= connectDeadline_) {
    socket_.Close();
    Fail(Fault::NoAnswer, "no answer to the connection");
  }
  if (session_) {
    session_->Tick(now_ * kTick);
    EndIfOver();
  }
  const bool polling = (inFlight_ && inFlight_->purpose == Purpose::Poll) ||
                       std::ranges::any_of(jobs_, [](const Job& j) { return j.purpose == Purpose::Poll; });
  if (!locked_ && !polling && now_ >= nextPoll_ && now_ >= retryAt_) {
    QueuePoll();
    nextPoll_ = now_ + (InTransition() ? kTransitionPoll : kStablePoll);
  }
  Pump();
  Show(f, side);
  for (const std::string_view caption : says_) f.SetCaption(caption);
  says_.clear();
}

void RealProjector::Connected() {
  if (state_ != Link::Connecting) return;
  state_ = Link::Up;
  session_.emplace(pjlink::Password(link_.password), now_ * kTick);
  Pump();
}

void RealProjector::Received(std::string_view bytes) {
  if (!session_) return;
  session_->Received(bytes, now_ * kTick);
  while (std::optional<pjlink::Answer> answer = session_->TakeAnswer()) Answered(*answer);
  EndIfOver();
  Flush();
  Pump();
}

void RealProjector::Lost(LinkLoss why) {
  if (state_ == Link::Down) return;
  const bool wasUp = state_ == Link::Up;
  if (why == LinkLoss::Refused) {
    Fail(Fault::Refused, "connection refused");
    return;
  }
  if (why != LinkLoss::Closed || !wasUp) {
    Fail(Fault::NoAnswer, why == LinkLoss::Unreachable ? "unreachable" : "connection failed");
    return;
  }
  // Closing is normal: after a quiet while, or after every reply. What was in flight is asked again on a new
  // connection, unless connections keep ending before anything is answered.
  session_.reset();
  state_ = Link::Down;
  if (!inFlight_) return;
  jobs_.push_front(*std::exchange(inFlight_, std::nullopt));
  if (++fruitless_ >= kMostFruitless) {
    Fail(Fault::NoAnswer, "closed before answering");
    return;
  }
  Pump();
}

void RealProjector::Pump() {
  if (inFlight_ || jobs_.empty()) return;
  if (state_ == Link::Down) {
    if (locked_) return;
    state_ = Link::Connecting;
    connectDeadline_ = now_ + kConnectTicks;
    socket_.Connect();
    return;
  }
  if (state_ == Link::Connecting || jobs_.front().notBefore > now_) return;
  inFlight_ = std::move(jobs_.front());
  jobs_.pop_front();
  session_->Send(inFlight_->request, now_ * kTick);
  Flush();
}

void RealProjector::Flush() {
  if (!session_) return;
  const std::string bytes = session_->TakeOutgoing();
  if (!bytes.empty()) socket_.Write(bytes);
}

void RealProjector::EndIfOver() {
  if (!session_ || !session_->Ended()) return;
  const pjlink::Session::Ending how = session_->How();
  const bool password = how == pjlink::Session::Ending::Password;
  const std::string why = std::string(session_->Why());
  socket_.Close();
  // A projector that says what cannot be its answer is as good as one that says nothing; what it said is
  // always logged.
  if (how == pjlink::Session::Ending::Protocol) Log("protocol error: " + why);
  Fail(password ? Fault::Password : Fault::NoAnswer, how == pjlink::Session::Ending::Protocol ? "" : why);
}

void RealProjector::Fail(Fault fault, std::string_view why) {
  const bool pressed = UserWaiting();
  session_.reset();
  state_ = Link::Down;
  jobs_.clear();
  inFlight_.reset();
  target_.reset();
  fruitless_ = 0;
  retryAt_ = now_ + kRetryTicks;
  nextPoll_ = retryAt_;
  // Projectors lock up under repeated failed logins: after a refused password, only a press tries again.
  if (fault == Fault::Password) locked_ = true;
  // Told once per change while the panel retries by itself, and again whenever it was a press that failed.
  if (fault != fault_ || pressed) {
    // Logged as it is told: a projector that stays away is retried for hours without filling the log.
    if (!why.empty()) Log(why);
    const ProjectorFaultCaptions& says = kProjectorFaultCaptions.at(side_);
    says_.push_back(fault == Fault::Password  ? says.password
                    : fault == Fault::Refused ? says.refused
                                              : says.noAnswer);
  }
  fault_ = fault;
}

void RealProjector::Refused(pjlink::Refusal refusal) {
  const ProjectorFaultCaptions& says = kProjectorFaultCaptions.at(side_);
  switch (refusal) {
    case pjlink::Refusal::Unavailable:
      fault_ = Fault::Busy;
      says_.push_back(says.busy);
      break;
    case pjlink::Refusal::Failure:
      fault_ = Fault::Failure;
      says_.push_back(says.failure);
      break;
    case pjlink::Refusal::Undefined:
    case pjlink::Refusal::OutOfRange:
    case pjlink::Refusal::Denied:
      fault_ = Fault::Command;
      says_.push_back(says.command);
      break;
  }
}

void RealProjector::Log(std::string_view what) {
  socket_.Log(what);  // the platform names the projector and its address
}

void RealProjector::Drop(Purpose purpose) {
  std::erase_if(jobs_, [purpose](const Job& j) { return j.purpose == purpose; });
}

bool RealProjector::UserWaiting() const {
  const auto pressed = [](const Job& j) { return j.purpose != Purpose::Poll; };
  return (inFlight_ && pressed(*inFlight_)) || std::ranges::any_of(jobs_, pressed);
}

bool RealProjector::InTransition() const {
  return target_ || (known_ && (*known_ == pjlink::Power::Warming || *known_ == pjlink::Power::Cooling));
}

void RealProjector::QueuePoll() {
  jobs_.push_back({pjlink::Ask(pjlink::Command::Power), Purpose::Poll});
  if (!statusUnsupported_) jobs_.push_back({pjlink::Ask(pjlink::Command::ErrorStatus), Purpose::Poll});
}

void RealProjector::Answered(const pjlink::Answer& answer) {
  if (!inFlight_) return;
  const Job job = *std::exchange(inFlight_, std::nullopt);
  const auto* refusal = std::get_if<pjlink::Refusal>(&answer.reply);
  // The session ends on a refused password; what that means is decided there.
  if (refusal != nullptr && *refusal == pjlink::Refusal::Denied) return;
  fruitless_ = 0;
  retryAt_ = 0;  // it answers: the polls go at their own pace again
  if (LinkDown()) {
    fault_ = Fault::None;
    says_.push_back(kProjectorFaultCaptions.at(side_).answersAgain);
  }
  if (job.purpose == Purpose::Poll) {
    if (answer.request.command == pjlink::Command::ErrorStatus) {
      AnsweredStatus(answer.reply);
    } else {
      AnsweredPower(answer);
    }
    return;
  }
  if (job.purpose == Purpose::Power) {
    AnsweredPower(answer);
    return;
  }
  if (refusal != nullptr) {
    Drop(Purpose::SendDone);
    Refused(*refusal);
    return;
  }
  fault_ = Fault::None;
  if (job.purpose == Purpose::SendDone) says_.push_back(kSources.at(job.source).onScreen.at(side_));
}

}  // namespace yunuri
