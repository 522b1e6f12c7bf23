#pragma once

#include <utility>

#include "input/Input.h"
#include "input/StartUp.h"
#include "support/FakeApp.h"
#include "window/Form1.h"

namespace yunuri::test {

// A started panel, with helpers that click like a user: press and release at the centre of a control.
struct Panel {
  FakeApp app;
  Form1 f{app};

  Panel() { Form_Load(f); }

  // The centre of element i in window coordinates, as it stands now.
  std::pair<int, int> centre(ArrayId id, int i) const {
    const DirtyRect r = f.WindowRect(f.Element(id, i));
    return {static_cast<int>(r.left + r.width / 2), static_cast<int>(r.top + r.height / 2)};
  }
  void press(ArrayId id, int i) {
    const auto [x, y] = centre(id, i);
    MouseDown(f, x, y, MouseButton::Left);
  }
  void release(ArrayId id, int i) {
    const auto [x, y] = centre(id, i);
    MouseUp(f, x, y, MouseButton::Left);
  }
  void click(ArrayId id, int i) {
    press(id, i);
    release(id, i);
  }
  void clickAt(int x, int y) {
    MouseDown(f, x, y, MouseButton::Left);
    MouseUp(f, x, y, MouseButton::Left);
  }
  void dismissNotice() { clickAt(200, 150); }
  void ticks(int n);
};

}  // namespace yunuri::test
