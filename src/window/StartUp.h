#pragma once

#include "window/Form1.h"

namespace yunuri {

// The window's load event: refuses a second copy, sets the room up, parks every slider and lays the notice
// over the panel; starts the tick last. Returns false when the program ended instead.
bool Form_Load(Form1& f);
// A primary click on the start-up notice: hides it for good and brings in the select-a-device panel.
void KABE_Click(Form1& f);
// The three top buttons: each press flips its popup's wanted position; the tick moves it.
void SWu_MouseDown(Form1& f, int Index);
// What a popup's close button asks for on release: popup k slides back out from the next tick.
void RequestPopupClosed(Form1& f, int k);

}  // namespace yunuri
