// What a real projector's answers mean for the panel: the phase its buttons show and what the caption says.
#include <algorithm>
#include <variant>

#include "devices/ProjectorCaptions.h"
#include "devices/ProjectorFaults.h"
#include "devices/RealProjector.h"
#include "devices/SimulatedProjector.h"
#include "state/Byte.h"

namespace yunuri {
namespace {

// While the projector is on its way, the blink of a phase goes round its last ten values until the
// projector reports that it got there.
constexpr Byte kWarmUpRound = kWarmUpLast - 9;
constexpr Byte kCoolDownRound = kCoolDownLast - 9;
constexpr int kBusyWait = 10;            // after "not now", the power command goes again this much later
constexpr int kMostBusyRetries = 40;     // a warm-up or cool-down of a minute and more
constexpr int kMostStuckPolls = 30;      // a projector that took ON or OFF and stays where it was
constexpr std::int64_t kFirstPoll = 10;  // how soon after it took ON or OFF the projector is asked again

}  // namespace

void RealProjector::AnsweredPower(const pjlink::Answer& answer) {
  const auto* refusal = std::get_if<pjlink::Refusal>(&answer.reply);
  const ProjectorCaptions& says = kProjectorCaptions.at(side_);
  if (answer.request.Query()) {
    const auto* power = std::get_if<pjlink::Power>(&answer.reply);
    if (power == nullptr) {
      if (refusal != nullptr && *refusal == pjlink::Refusal::Failure && fault_ != Fault::Failure)
        Refused(*refusal);
      return;
    }
    known_ = *power;
    fault_ = Fault::None;
    if (!target_) return;
    // Some projectors have no warm-up state at all and go straight from off to on.
    if (*power == (*target_ ? pjlink::Power::On : pjlink::Power::Off)) {
      says_.push_back(*target_ ? says.started : says.stopped);
      target_.reset();
      Drop(Purpose::Power);
    } else if (taken_ && *power == (*target_ ? pjlink::Power::Off : pjlink::Power::On) &&
               ++stuckPolls_ >= kMostStuckPolls) {
      target_.reset();
      Refused(pjlink::Refusal::Undefined);
    }
    return;
  }
  // The answer to a press's ON or OFF, unless the projector got there first or another press followed.
  if (!target_ || answer.request.parameter != pjlink::SetPower(*target_).parameter) return;
  if (refusal == nullptr) {
    taken_ = true;
    fault_ = Fault::None;
    says_.push_back(*target_ ? says.warming : says.cooling);
    nextPoll_ = now_ + kFirstPoll;
    return;
  }
  // Busy warming up or cooling down: ask what it is doing, then ask again.
  if (*refusal == pjlink::Refusal::Unavailable && ++busyRetries_ <= kMostBusyRetries) {
    Job again{pjlink::SetPower(*target_), Purpose::Power};
    again.notBefore = now_ + kBusyWait;
    jobs_.push_front(std::move(again));
    jobs_.push_front({pjlink::Ask(pjlink::Command::Power), Purpose::Poll});
    return;
  }
  target_.reset();
  Refused(*refusal);
}

void RealProjector::AnsweredStatus(const pjlink::Reply& reply) {
  if (const auto* status = std::get_if<pjlink::Faults>(&reply)) {
    if (faults_ && faults_->parts == status->parts) return;
    const ProjectorFaultCaptions& says = kProjectorFaultCaptions.at(side_);
    const auto worst = std::ranges::max_element(status->parts);
    const auto part = static_cast<std::size_t>(worst - status->parts.begin());
    if (*worst == pjlink::Health::Error) {
      says_.push_back(says.error.at(part));
    } else if (*worst == pjlink::Health::Warning) {
      says_.push_back(says.warning.at(part));
    } else if (faults_) {
      says_.push_back(says.cleared);
    }
    faults_ = *status;
    return;
  }
  const auto* refusal = std::get_if<pjlink::Refusal>(&reply);
  if (refusal == nullptr) return;
  // Not every projector keeps an error status; one that does not is not asked again.
  if (*refusal == pjlink::Refusal::Undefined || *refusal == pjlink::Refusal::OutOfRange) {
    statusUnsupported_ = true;
  } else if (*refusal == pjlink::Refusal::Failure && fault_ != Fault::Failure) {
    Refused(*refusal);
  }
}

void RealProjector::Show(Form1& f, std::size_t side) {
  const Projector& p = kProjectors.at(side);
  Byte& phase = f.state.*p.phase;
  const auto light = [&f](int button, bool lit) {
    if (lit) {
      f.Light(ArrayId::SWp1, button);
    } else {
      f.Clear(ArrayId::SWp1, button);
    }
  };
  // Where the projector was last known to be, or where the panel says it is while nothing is known.
  const bool headingOn = known_         ? *known_ == pjlink::Power::On || *known_ == pjlink::Power::Warming
                         : beforePress_ ? *beforePress_
                                        : projector::HeadingOn(phase);
  if (LinkDown() && !target_) {
    // Unreachable, it rests where it was; its buttons say that it does not answer.
    phase = headingOn ? kProjectorOn : kProjectorOff;
    f.SetPicture(f.Element(ArrayId::SWp1, p.onButton), Picture::unlinked(ArrayId::SWp1, p.onButton));
    f.SetPicture(f.Element(ArrayId::SWp1, p.offButton), Picture::unlinked(ArrayId::SWp1, p.offButton));
    return;
  }
  std::optional<bool> blinkOn = target_;
  if (!blinkOn && known_ == pjlink::Power::Warming) blinkOn = true;
  if (!blinkOn && known_ == pjlink::Power::Cooling) blinkOn = false;
  if (blinkOn) {
    if (*blinkOn) {
      phase = !projector::Warming(phase) ? kWarmUpStart
              : phase == kWarmUpLast     ? kWarmUpRound
                                         : byteAdd(phase, 1);
    } else {
      phase = !projector::Cooling(phase) ? kCoolDownStart
              : phase == kCoolDownLast   ? kCoolDownRound
                                         : byteAdd(phase, 1);
    }
    BlinkPhase(f, *blinkOn ? p.onButton : p.offButton, phase);
    light(*blinkOn ? p.offButton : p.onButton, false);
    return;
  }
  phase = headingOn ? kProjectorOn : kProjectorOff;
  light(p.onButton, headingOn);
  light(p.offButton, !headingOn);
}

}  // namespace yunuri
