#pragma once

#include "window/Form1.h"

namespace yunuri {

void SWm_MouseDown(Form1& f, int Index);
void SWs_MouseDown(Form1& f, int Index);
void SWs_MouseUp(Form1& f, int Index, Release how);

}  // namespace yunuri
