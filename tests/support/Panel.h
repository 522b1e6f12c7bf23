#pragma once

#include <utility>

#include "input/Input.h"
#include "input/StartUp.h"
#include "support/FakeApp.h"
#include "window/Form1.h"

// The panel as the tests, the benchmarks and the screenshot tool drive it: a started window, presses and
// releases where a visitor puts them, and the tick as the shell runs it.
namespace yunuri::test {

// Enough ticks for any popup or remote panel to finish its slide.
inline constexpr int kSettleTicks = 10;

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
  void dismissNotice() { clickAt(kWindowWidth / 2, kWindowHeight / 2); }
  bool lit(ArrayId id, int i) const { return f.Element(id, i).picture == Form1::Twin(id, i); }
  bool dark(ArrayId id, int i) const { return f.Element(id, i).picture.isNone(); }
  int litCount(ArrayId id) const {
    int n = 0;
    for (const Image& image : f.Elements(id)) n += image.picture.isNone() ? 0 : 1;
    return n;
  }
  // The whole tick, then what the shell does after it: it repaints what was touched and shows the caption,
  // so neither piles up here. To see what one tick touched, call Tick and read the window.
  void ticks(int n) {
    for (int i = 0; i < n; ++i) {
      Tick(f);
      f.TakeDirty();
      f.TakeCaptionChanged();
    }
  }
};

// A panel past its notice with the select-a-device panel in view.
struct ShownPanel : Panel {
  ShownPanel() {
    dismissNotice();
    settle();
  }

  void settle() { ticks(kSettleTicks); }
  void openPopup(int k) {
    click(ArrayId::SWu, k);
    settle();
  }
  void selectSource(int source) {
    click(ArrayId::SWm, source);
    settle();
  }
};

}  // namespace yunuri::test
