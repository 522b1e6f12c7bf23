#include "devices/ProjectorCaptions.h"
#include "state/Byte.h"
#include "tick/Tick.h"

namespace yunuri {
namespace {

constexpr int kBlinkPeriod = 10;
constexpr int kBlinkHalf = 5;

// While a phase runs its button blinks: lit on multiples of ten, dark on values ending in five.
void blink(Form1& f, int button, Byte value) {
  if (value % kBlinkPeriod == 0) {
    f.Light(ArrayId::SWp1, button);
  } else if (value % kBlinkPeriod == kBlinkHalf) {
    f.Clear(ArrayId::SWp1, button);
  }
}

void step(Form1& f, const Projector& p, const ProjectorCaptions& says) {
  Byte& v = f.state.*p.phase;
  if (v == kWarmUpLast) {
    f.Light(ArrayId::SWp1, p.onButton);
    f.SetCaption(says.started);
    v = kProjectorOn;
  } else if (projector::Warming(v)) {
    v = byteAdd(v, 1);
    blink(f, p.onButton, v);
  } else if (v == kCoolDownLast) {
    f.Light(ArrayId::SWp1, p.offButton);
    f.SetCaption(says.stopped);
    v = kProjectorOff;
  } else if (projector::Cooling(v)) {
    v = byteAdd(v, 1);
    blink(f, p.offButton, v);
  }
}

}  // namespace

void ProjectorTick(Form1& f) {
  for (std::size_t i = 0; i < kProjectors.size(); ++i) step(f, kProjectors[i], kProjectorCaptions[i]);
}

}  // namespace yunuri
