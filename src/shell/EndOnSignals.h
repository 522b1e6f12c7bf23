#pragma once

#include <functional>

class QObject;

namespace yunuri {

// Ends the program cleanly on SIGTERM, SIGINT and SIGHUP (a logout, `systemctl --user stop`, Ctrl+C) instead
// of the default action, which would leave the single-instance lock behind: `end` runs on the event loop,
// as a close of the window does. The handler only writes a byte to a socket pair that the loop watches, the
// one thing a signal handler may safely do. Does nothing where there are no such signals.
void endOnSignals(QObject* owner, std::function<void()> end);

}  // namespace yunuri
