#pragma once

#include "window/Form1.h"

namespace yunuri {

// The three top buttons: each press flips its popup's wanted position; the tick moves it.
void SWu_MouseDown(Form1& f, int Index);
// What a popup's close button asks for on release: popup k slides back out from the next tick.
void RequestPopupClosed(Form1& f, int k);

}  // namespace yunuri
