#include "devices/Devices.h"
#include "devices/Popups.h"
#include "devices/SimulatedProjector.h"
#include "state/Projector.h"

namespace yunuri {
namespace {

constexpr int kPopup = 0;

}  // namespace

void SWp1_MouseDown(Form1& f, int Index) {
  if (Index == CloseButtonOf(kPopup).index) {
    f.Light(ArrayId::SWp1, Index);
    return;
  }
  if (Index < 0 || Index > 3) return;
  const auto side = static_cast<std::size_t>(Index / 2);
  const Projector& p = kProjectors[side];
  Byte& phase = f.state.*p.phase;
  const bool isOn = Index == p.onButton;
  // A press the phase does not allow is silent: no picture, no caption, no state change.
  if (isOn && projector::MayStart(phase)) {
    f.Light(ArrayId::SWp1, p.onButton);
    f.Clear(ArrayId::SWp1, p.offButton);
    phase = kWarmUpStart;
    DriveOf(f, side).Power(f, side, true);
  } else if (!isOn && projector::MayStop(phase)) {
    f.Light(ArrayId::SWp1, p.offButton);
    f.Clear(ArrayId::SWp1, p.onButton);
    phase = kCoolDownStart;
    DriveOf(f, side).Power(f, side, false);
  }
}

void SWp1_MouseUp(Form1& f, int Index, Release how) {
  // ON and OFF stay lit: they show the projector's phase.
  if (Index != CloseButtonOf(kPopup).index) return;
  f.Clear(ArrayId::SWp1, Index);
  if (how == Release::Normal) RequestPopupClosed(f, kPopup);
}

}  // namespace yunuri
