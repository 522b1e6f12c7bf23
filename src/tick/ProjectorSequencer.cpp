#include "devices/Projectors.h"
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

void step(Form1& f, const ProjectorSide& p) {
  Byte& v = f.state.*p.phase;
  if (v >= kWarmUpStart && v < kWarmUpLast) {
    v = byteAdd(v, 1);
    blink(f, p.onButton, v);
  } else if (v == kWarmUpLast) {
    f.Light(ArrayId::SWp1, p.onButton);
    f.SetCaption(p.started);
    v = kProjectorOn;
  } else if (v >= kCoolDownStart && v < kCoolDownLast) {
    v = byteAdd(v, 1);
    blink(f, p.offButton, v);
  } else if (v == kCoolDownLast) {
    f.Light(ArrayId::SWp1, p.offButton);
    f.SetCaption(p.stopped);
    v = kProjectorOff;
  }
}

}  // namespace

void ProjectorTick(Form1& f) {
  for (const ProjectorSide& p : kProjectors) step(f, p);
}

}  // namespace yunuri
