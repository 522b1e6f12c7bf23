#include "devices/Popups.h"

namespace yunuri {

void SWu_MouseDown(Form1& f, int Index) {
  if (Index < 0 || Index >= kPopupCount) return;
  const SliderBytes popup = PopupBytes(f.state, Index);
  if (popup.wanted == 0) {
    popup.wanted = 1;
  } else if (popup.wanted == 1) {
    popup.wanted = 0;
  }
  popup.moving = 1;
}

void RequestPopupClosed(Form1& f, int k) {
  const SliderBytes popup = PopupBytes(f.state, k);
  popup.wanted = 0;
  popup.moving = 1;
}

}  // namespace yunuri
