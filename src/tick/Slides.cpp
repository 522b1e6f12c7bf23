#include "state/Byte.h"
#include "tick/Tick.h"

namespace yunuri {
namespace {

constexpr float kPopupStep = 30;
constexpr float kPanelStep = 15;

// One step of one slider toward its wanted position. Coming in stops exactly at the open position; going out
// may pass the closed position by up to a step for one tick and is set on it the tick after.
// Returns the new position.
float slide(float p, float closed, float open, float step, SliderBytes bytes) {
  if (bytes.wanted == 0) {
    if (p > closed) return p - step;
    bytes.moving = 0;
    return closed;
  }
  if (bytes.wanted == 1) {
    if (p >= open - step) {
      bytes.moving = 0;
      return open;
    }
    return p + step;
  }
  return p;
}

}  // namespace

void SlideTick(Form1& f) {
  PanelState& s = f.state;
  for (int k = 0; k < kPopupCount; ++k) {
    const SliderBytes bytes = PopupBytes(s, k);
    if (bytes.moving != 1) continue;
    PictureBox& pop = f.POP(k);
    const BoxLayout& l = boxLayout(pop.id);
    f.SetTop(pop,
             slide(pop.Top, static_cast<float>(-l.height), static_cast<float>(l.openTop), kPopupStep, bytes));
    // The top button shows where its popup is heading.
    if (bytes.wanted == 1) {
      f.Light(ArrayId::SWu, k);
    } else {
      f.Clear(ArrayId::SWu, k);
    }
  }

  for (s.LoopIndex = 0; s.LoopIndex < kRemotePanelCount; s.LoopIndex = byteAdd(s.LoopIndex, 1)) {
    const std::size_t i = s.LoopIndex;
    if (s.PanelMoving[i] != 1) continue;
    PictureBox& panel = f.Sousa(s.LoopIndex);
    const BoxLayout& l = boxLayout(panel.id);
    f.SetLeft(panel, slide(panel.Left, static_cast<float>(-l.width), static_cast<float>(l.openLeft),
                           kPanelStep, {s.PanelShown[i], s.PanelMoving[i]}));
  }
}

}  // namespace yunuri
