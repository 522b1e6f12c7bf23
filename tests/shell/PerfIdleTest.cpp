// Repaint economy of the panel widget: a panel at rest paints nothing, and a moving popup repaints only the
// strip it left and the strip it now covers.
#include <string>

#include "ShellFixture.h"

namespace yunuri::shelltest {
namespace {

using PerfIdle = ShellTest;

TEST_F(PerfIdle, APanelAtRestPaintsNothingButAChangePaints) {
  ASSERT_GT(panel->paintCount(), 0) << "the panel never painted its first frame";
  dismissNotice();
  expectIdleTicksPaintNothing();
  // The same with a popup down and a remote in view.
  click(ArrayId::SWu, 1);
  click(ArrayId::SWm, 6);
  expectIdleTicksPaintNothing();

  // The count does move when something changes, so the checks above can fail.
  const int before = panel->paintCount();
  press(centreOf(ArrayId::SWv, 0));
  settle();
  EXPECT_GT(panel->paintCount(), before);
  release(centreOf(ArrayId::SWv, 0));
}

std::string describe(const QRegion& region) {
  std::string out;
  for (const QRect& r : region) {
    out += "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height()) + ")";
  }
  return out;
}

TEST_F(PerfIdle, AMovingPopupRepaintsOnlyWhereItWasAndIs) {
  dismissNotice();
  click(ArrayId::SWu, 0);
  ticks(2);  // the first step lights the top button; later steps move the popup alone
  settle();

  const QRect window(0, 0, kWindowWidth, kWindowHeight);
  PaintSpy spy;
  panel->installEventFilter(&spy);
  const QRegion before = QRegion(rectOf(form.WindowRect(form.POP(0)))).intersected(window);
  ticks(1);
  settle();
  const QRegion after = QRegion(rectOf(form.WindowRect(form.POP(0)))).intersected(window);
  panel->removeEventFilter(&spy);

  ASSERT_NE(before, after) << "the popup did not move";
  EXPECT_EQ(spy.painted, before.united(after))
      << "painted " << describe(spy.painted) << ", expected " << describe(before.united(after));
}

}  // namespace
}  // namespace yunuri::shelltest
