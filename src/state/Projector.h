#pragma once

#include <array>

#include "state/PanelState.h"

// A projector's phase rules, in one place for the handlers, the tick, what reads as checked and what a screen
// reader is told. Toolkit-free and free of the window, so every layer may ask them.
namespace yunuri {

// The phases of a projector's state byte: off, warming up, on, cooling down.
inline constexpr Byte kProjectorOff = 0;
inline constexpr Byte kWarmUpStart = 1;
inline constexpr Byte kWarmUpLast = 99;
inline constexpr Byte kProjectorOn = 100;
inline constexpr Byte kCoolDownStart = 101;
inline constexpr Byte kCoolDownLast = 199;

// One projector: its state byte and its pair of buttons in the power popup.
struct Projector {
  Byte PanelState::*phase;
  int onButton;
  int offButton;
};

inline constexpr std::array<Projector, 2> kProjectors = {{
    {&PanelState::LeftProjectorState, 0, 1},
    {&PanelState::RightProjectorState, 2, 3},
}};

namespace projector {

constexpr bool Warming(Byte phase) {
  return phase >= kWarmUpStart && phase <= kWarmUpLast;
}
constexpr bool Cooling(Byte phase) {
  return phase >= kCoolDownStart && phase <= kCoolDownLast;
}
// Only a projector fully on takes a picture sent to its screen.
constexpr bool ShowsPicture(Byte phase) {
  return phase == kProjectorOn;
}
// Whether the projector is on or on its way there: its ON button reads as checked, its OFF button otherwise.
// The blinking of a phase does not change it.
constexpr bool HeadingOn(Byte phase) {
  return phase >= kWarmUpStart && phase <= kProjectorOn;
}
// Which button may act: ON starts a projector that is off or cooling down, OFF stops one warming up or on.
// Any other press is silent.
constexpr bool MayStart(Byte phase) {
  return phase == kProjectorOff || Cooling(phase);
}
constexpr bool MayStop(Byte phase) {
  return HeadingOn(phase);
}

// Every phase a projector passes through is exactly one of the four, and exactly one of its buttons may act.
static_assert([] {
  for (int v = kProjectorOff; v <= kCoolDownLast; ++v) {
    const auto phase = static_cast<Byte>(v);
    const int phases = (phase == kProjectorOff) + Warming(phase) + ShowsPicture(phase) + Cooling(phase);
    if (phases != 1 || MayStart(phase) == MayStop(phase)) return false;
  }
  return true;
}());

}  // namespace projector
}  // namespace yunuri
