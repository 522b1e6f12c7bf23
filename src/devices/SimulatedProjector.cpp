#include "devices/SimulatedProjector.h"

#include <array>
#include <string_view>

#include "devices/ProjectorCaptions.h"
#include "state/Projector.h"
#include "window/Sources.h"

namespace yunuri {
namespace {

constexpr int kBlinkPeriod = 10;
constexpr int kBlinkHalf = 5;

SimulatedProjector simulated;

}  // namespace

void BlinkPhase(Form1& f, int button, Byte value) {
  if (value % kBlinkPeriod < kBlinkHalf) {
    f.Light(ArrayId::SWp1, button);
  } else {
    f.Clear(ArrayId::SWp1, button);
  }
}

ProjectorDrive& DriveOf(Form1& f, std::size_t side) {
  ProjectorDrive* attached = f.Attached(side);
  return attached != nullptr ? *attached : simulated;
}

void SimulatedProjector::Power(Form1& f, std::size_t side, bool on) {
  const ProjectorCaptions& says = kProjectorCaptions.at(side);
  f.SetCaption(on ? says.warming : says.cooling);
}

void SimulatedProjector::Send(Form1& f, std::size_t side, std::size_t source) {
  if (projector::ShowsPicture(f.state.*kProjectors.at(side).phase)) {
    f.SetCaption(kSources.at(source).onScreen.at(side));
  } else {
    f.SetCaption(kProjectorNotOn.at(side));
  }
}

void SimulatedProjector::Step(Form1& f, std::size_t side) {
  const Projector& p = kProjectors.at(side);
  const ProjectorCaptions& says = kProjectorCaptions.at(side);
  Byte& v = f.state.*p.phase;
  if (v == kWarmUpLast) {
    f.Light(ArrayId::SWp1, p.onButton);
    f.SetCaption(says.started);
    v = kProjectorOn;
  } else if (projector::Warming(v)) {
    v = byteAdd(v, 1);
    BlinkPhase(f, p.onButton, v);
  } else if (v == kCoolDownLast) {
    f.Light(ArrayId::SWp1, p.offButton);
    f.SetCaption(says.stopped);
    v = kProjectorOff;
  } else if (projector::Cooling(v)) {
    v = byteAdd(v, 1);
    BlinkPhase(f, p.offButton, v);
  }
}

}  // namespace yunuri
