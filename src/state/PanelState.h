#pragma once

#include <array>
#include <cstdint>

namespace yunuri {

using Byte = std::uint8_t;

// The simulated room. Every handler and the tick read and write these fields directly; the window owns the
// one instance. All fields are zero when the window is created; start-up sets the three that do not start at
// 0.
struct PanelState {
  Byte LoopIndex = 0;  // shared loop counter of start-up, the source buttons and the tick's panel pass
  Byte MonitorSource = 0;
  Byte VolumeDirection = 0;  // 0 none, 1 up held, 2 down held
  Byte VolumeLevel = 0;      // percent, 0..100
  Byte MuteOn = 0;
  Byte VolumeHeld = 0;
  Byte PowerPopupOpen = 0;
  Byte PowerPopupMoving = 0;
  Byte CdMdPopupOpen = 0;
  Byte CdMdPopupMoving = 0;
  Byte ExitPopupOpen = 0;
  Byte ExitPopupMoving = 0;
  std::array<Byte, 6> PanelShown{};
  std::array<Byte, 6> PanelMoving{};
  Byte LeftProjectorState = 0;  // 0 off, 1..99 warming, 100 on, 101..199 cooling
  Byte RightProjectorState = 0;
};

// The wanted and moving bytes of one slider: rest out (0, 0), coming in (1, 1), rest in (1, 0), going out (0,
// 1).
struct SliderBytes {
  Byte& wanted;
  Byte& moving;
};

}  // namespace yunuri
