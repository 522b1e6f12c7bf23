#pragma once

#include <utility>

#include "input/Input.h"
#include "input/StartUp.h"
#include "support/FakeApp.h"
#include "tick/Tick.h"
#include "window/Form1.h"

namespace yunuri::bench {

// A started panel with the notice dismissed and everything at rest, as a user finds it a second later.
struct BenchPanel {
  static constexpr int kSettleTicks = 20;

  FakeApp app;
  Form1 f{app};

  BenchPanel() {
    Form_Load(f);
    clickAt(kWindowWidth / 2, kWindowHeight / 2);
    settle();
  }

  std::pair<int, int> centre(ArrayId id, int i) const {
    const DirtyRect r = f.WindowRect(f.Element(id, i));
    return {static_cast<int>(r.left + r.width / 2), static_cast<int>(r.top + r.height / 2)};
  }
  void clickAt(int x, int y) {
    MouseDown(f, x, y, MouseButton::Left);
    MouseUp(f, x, y, MouseButton::Left);
  }
  void click(ArrayId id, int i) {
    const auto [x, y] = centre(id, i);
    clickAt(x, y);
  }
  // Runs the tick until every slider has arrived and drops what the shell would have repainted.
  void settle() {
    for (int i = 0; i < kSettleTicks; ++i) Timer1_Timer(f);
    f.TakeDirty();
    f.TakeCaptionChanged();
  }
};

}  // namespace yunuri::bench
