#pragma once

#include <array>
#include <bit>
#include <string>
#include <vector>

#include "support/Panel.h"

// Ways to reach the panel's popups and remotes the way a visitor does, and a snapshot of everything a handler
// could touch, for checking that something changed nothing.
namespace yunuri::test {

// Popup k of the three top buttons.
inline constexpr int kPowerPopup = 0;
inline constexpr int kCdMdPopup = 1;
inline constexpr int kExitPopup = 2;

// One projector's state byte and its ON and OFF buttons in the power popup.
struct ProjectorButtons {
  Byte PanelState::*phase;
  int on;
  int off;
};
inline constexpr ProjectorButtons kLeftButtons{&PanelState::LeftProjectorState, 0, 1};
inline constexpr ProjectorButtons kRightButtons{&PanelState::RightProjectorState, 2, 3};

// Brings one projector from its start-up state (on) to the given phase value with ON and OFF clicks and
// ticks. The power popup must be open.
inline void driveProjector(ShownPanel& p, const ProjectorButtons& b, int value) {
  constexpr int kPhaseTicks = 99;
  if (value != 100) p.click(ArrayId::SWp1, b.off);
  if (value > 100) {
    p.ticks(value - 101);
  } else if (value < 100) {
    p.ticks(kPhaseTicks);
    if (value > 0) {
      p.click(ArrayId::SWp1, b.on);
      p.ticks(value - 1);
    }
  }
  EXPECT_EQ(p.f.state.*b.phase, value);
}

// Everything a press or a tick may write: the state record, the caption, every element's picture and every
// picture box's place.
struct Snapshot {
  std::array<Byte, sizeof(PanelState)> state;
  std::string caption;
  std::vector<Picture> pictures;
  std::vector<float> places;
  bool ended;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

inline Snapshot snapshot(const Form1& f) {
  Snapshot s{std::bit_cast<std::array<Byte, sizeof(PanelState)>>(f.state), f.Caption(), {}, {}, f.Ended()};
  for (int a = 0; a < kArrayCount; ++a) {
    for (const Image& image : f.Elements(static_cast<ArrayId>(a))) s.pictures.push_back(image.picture);
  }
  for (int b = 0; b < kBoxCount; ++b) {
    const PictureBox& box = f.Box(static_cast<BoxId>(b));
    s.places.insert(s.places.end(), {box.Left, box.Top, box.Visible ? 1.0F : 0.0F});
  }
  return s;
}

}  // namespace yunuri::test
