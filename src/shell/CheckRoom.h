#pragma once

#include <cstdio>

#include "devices/RoomFile.h"

// What an installer runs before the panel: each projector of the room file is asked once what it is and how
// it is, in a plain console run with no window, no display and no lock.
namespace yunuri {

// Prints a short report per projector to `out` (never its password) and returns the program's status: 0 when
// every projector answered every question, 1 when one did not. Each connection and each reply has its own
// deadline of seconds, so the run ends even when a projector stays silent.
int checkRoom(const room::Room& room, std::FILE* out);

}  // namespace yunuri
