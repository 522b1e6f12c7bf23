#include "FakeApp.h"

#include "input/Input.h"
#include "tick/Tick.h"

namespace yunuri::test {

void Panel::ticks(int n) {
  // As the shell does: an action's press held for a tick lets go after it.
  for (int i = 0; i < n; ++i) {
    Timer1_Timer(f);
    TickDone(f);
  }
}

}  // namespace yunuri::test
