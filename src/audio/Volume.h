#pragma once

#include "window/Form1.h"

namespace yunuri {

void SWv_MouseDown(Form1& f, int Index);
void SWv_MouseUp(Form1& f, int Index, Release how);
// The first step of every tick: ramps a held volume button and redraws the meter.
void VolumeTick(Form1& f);
// Redraws MET from VolumeLevel and MuteOn.
void MeterRepaint(Form1& f);
// The meter as start-up first draws it: no clearing, the number always at x = 0.
void MeterFirstDrawing(Form1& f);

}  // namespace yunuri
