#include "FakeApp.h"

#include "tick/Tick.h"

namespace yunuri::test {

void Panel::ticks(int n) {
  for (int i = 0; i < n; ++i) Timer1_Timer(f);
}

}  // namespace yunuri::test
