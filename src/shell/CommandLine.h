#pragma once

#include <QStringList>
#include <cstdio>
#include <optional>

#include "devices/RoomFile.h"
#include "shell/Language.h"

namespace yunuri {

// What the command line asks of the panel. An option that changes how the panel runs adds a field here, its
// entry in CommandLine.cpp and its paragraph in the manual page's OPTIONS section.
struct Options {
  QString language =
      QString::fromLatin1(kPanelLanguage);  // the panel's own language, whatever the system's locale
  // Showroom mode: full screen from the start, the exit button starts the panel again, Ctrl+Alt+Q ends it.
  bool kiosk = false;
  // Seconds without a press after which the panel starts again; 0 never. Unset, the mode decides.
  std::optional<int> idleReset;
  // The status strip under the panel in a window, for this launch; unset, as F9 last left it.
  std::optional<bool> statusLine;
  // The room's own window beside the panel's from the start (F8 opens and closes it).
  bool roomView = false;
  // The real projectors of --room FILE, read and checked before anything is shown; unset, the room is
  // simulated.
  std::optional<room::Room> room;
  // --check-room FILE: the room to try once and report on instead of opening the panel.
  std::optional<room::Room> checkRoom;
};

// Seconds without a press before the panel starts again, as the options ask: 180 in showroom mode unless told
// otherwise, never in the ordinary window unless asked.
int idleResetSeconds(const Options& options);

// The command line as read before the toolkit starts: --help, --version and a mistyped option need no
// display and take no lock. The toolkit's own options (-platform, -display, -style, ...) are let through:
// QApplication reads them from argv as in every Qt program.
struct CommandLine {
  Options options;
  std::optional<int> exitStatus;  // set when the program ends at once: 0 after help or version, 2 on an error
};

CommandLine readCommandLine(int argc, char** argv);
// The same on an argument list (the program's name first), printing help and version to out and errors and
// the usage to err.
CommandLine readCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace yunuri
