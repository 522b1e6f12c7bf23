#include "input/StartUp.h"

#include "audio/Volume.h"
#include "state/Projector.h"
#include "tick/Tick.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

constexpr std::string_view kAlreadyOpen = YUNURI_TR("Panel", "「ゆぬり～」は既に開かれています｡");
constexpr std::string_view kCautionTitle = "CAUTION!!";
constexpr Byte kStartVolume = 50;

// Everything the load event does once it may run: the room, the sliders parked, the notice, the tick.
void SetUpRoom(Form1& f) {
  PanelState& s = f.state;
  s.VolumeLevel = kStartVolume;
  MeterFirstDrawing(f);

  s.LeftProjectorState = kProjectorOn;
  s.RightProjectorState = kProjectorOn;
  f.Light(ArrayId::SWp1, 0);
  f.Light(ArrayId::SWp1, 2);

  for (int k = 0; k < kPopupCount; ++k) {
    PictureBox& pop = f.POP(k);
    f.SetTop(pop, static_cast<float>(-pop.Height));
    f.SetLeft(pop, static_cast<float>(boxLayout(pop.id).left));
  }
  for (s.LoopIndex = 0; s.LoopIndex < kRemotePanelCount; ++s.LoopIndex) {
    PictureBox& panel = f.Sousa(s.LoopIndex);
    f.SetTop(panel, static_cast<float>(boxLayout(panel.id).top));
    f.SetLeft(panel, static_cast<float>(-panel.Width));
  }
  f.SetTop(f.KABE(), 0);
  f.SetLeft(f.KABE(), 0);

  f.Timer1.Interval = kTickMilliseconds;
  f.Timer1.Enabled = true;
}

}  // namespace

bool Form_Load(Form1& f) {
  if (f.app().PrevInstance()) {
    f.app().MsgBoxCritical(kAlreadyOpen, kCautionTitle);
    f.End();
    return false;
  }
  SetUpRoom(f);
  return true;
}

bool StartAgain(Form1& f) {
  if (f.Holding()) return false;
  // A window made and loaded afresh is by definition how the panel starts; taking its controls over leaves
  // nothing of the last visitor behind, whatever the handlers come to hold in future.
  Form1 fresh(f.app());
  SetUpRoom(fresh);
  f.StartFrom(fresh);
  return true;
}

void KABE_Click(Form1& f) {
  // Every way in presses the notice only while it is up; a direct call after it went brings nothing in twice.
  if (!f.KABE().Visible) return;
  f.SetVisible(f.KABE(), false);
  f.state.PanelShown[0] = 1;
  f.state.PanelMoving[0] = 1;
}

}  // namespace yunuri
