#pragma once

#include "window/Form1.h"

namespace yunuri {

inline constexpr int kTickMilliseconds = 100;

// The 100 ms tick: the volume step, then the slides, then the projectors, each behind its own guard.
void Timer1_Timer(Form1& f);
// One step of every popup and remote panel whose moving byte is set.
void SlideTick(Form1& f);
// One step of each projector's warm-up or cool-down, left first.
void ProjectorTick(Form1& f);

}  // namespace yunuri
