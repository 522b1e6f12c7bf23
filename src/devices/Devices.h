#pragma once

#include "window/Form1.h"

namespace yunuri {

// Projector power popup POP(0).
void SWp1_MouseDown(Form1& f, int Index);
void SWp1_MouseUp(Form1& f, int Index, Release how);
// CD/MD popup POP(1).
void SWp2_MouseDown(Form1& f, int Index);
void SWp2_MouseUp(Form1& f, int Index, Release how);
// Exit confirmation popup POP(2).
void SWp3_MouseDown(Form1& f, int Index);
void SWp3_MouseUp(Form1& f, int Index, Release how);
// The four remotes: DVD/VTR deck, multi-standard VTR, DVD player, dome camera.
void SWr1_MouseDown(Form1& f, int Index);
void SWr2_MouseDown(Form1& f, int Index);
void SWr3_MouseDown(Form1& f, int Index);
void SWr4_MouseDown(Form1& f, int Index);
void SWr1_MouseUp(Form1& f, int Index, Release how);
void SWr2_MouseUp(Form1& f, int Index, Release how);
void SWr3_MouseUp(Form1& f, int Index, Release how);
void SWr4_MouseUp(Form1& f, int Index, Release how);

}  // namespace yunuri
