#pragma once

#include "window/Form1.h"

namespace yunuri {

// The window's load event: refuses a second copy, sets the room up, parks every slider and lays the notice
// over the panel; starts the tick last. Returns false when the program ended instead.
bool Form_Load(Form1& f);
// Start-up again in a running window, for a panel left to visitors: every control, the state record, the
// caption and the input state become exactly what Form_Load leaves, the notice over the panel, and a program
// ended by its exit button runs on. The single-instance guard is not asked again. Refused (false) while a
// press is held: a button is never pulled from under a finger.
bool StartAgain(Form1& f);
// A primary click on the start-up notice: hides it and brings in the select-a-device panel. Only starting
// again shows the notice once more.
void KABE_Click(Form1& f);

}  // namespace yunuri
