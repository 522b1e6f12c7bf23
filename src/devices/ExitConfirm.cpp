#include "devices/Devices.h"
#include "window/StartUp.h"

namespace yunuri {
namespace {

constexpr int kExecuteExit = 0;
constexpr int kCloseButton = 1;

}  // namespace

void SWp3_MouseDown(Form1& f, int Index) {
  if (Index < kExecuteExit || Index > kCloseButton) return;
  f.Light(ArrayId::SWp3, Index);
}

void SWp3_MouseUp(Form1& f, int Index, Release how) {
  if (Index < kExecuteExit || Index > kCloseButton) return;
  f.Clear(ArrayId::SWp3, Index);
  // A press the window lost (another window took the mouse) only lets the button go dark.
  if (how == Release::Cancelled) return;
  if (Index == kCloseButton) {
    RequestPopupClosed(f, 2);
  } else {
    // The popup is the confirmation: the room is simply left as it is.
    f.End();
  }
}

}  // namespace yunuri
