#include "devices/Devices.h"
#include "devices/Popups.h"

namespace yunuri {
namespace {

constexpr int kPopup = 2;

}  // namespace

void SWp3_MouseDown(Form1& f, int Index) {
  if (Index < 0 || Index >= arraySize(ArrayId::SWp3)) return;
  f.Light(ArrayId::SWp3, Index);
}

void SWp3_MouseUp(Form1& f, int Index, Release how) {
  if (Index < 0 || Index >= arraySize(ArrayId::SWp3)) return;
  f.Clear(ArrayId::SWp3, Index);
  // A press the window lost (another window took the mouse) only lets the button go dark.
  if (how == Release::Cancelled) return;
  if (Index == CloseButtonOf(kPopup).index) {
    RequestPopupClosed(f, kPopup);
  } else {
    // The popup is the confirmation: the room is simply left as it is.
    f.End();
  }
}

}  // namespace yunuri
