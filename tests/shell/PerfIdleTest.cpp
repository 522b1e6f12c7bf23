// Repaint economy of the panel widget: a panel at rest paints nothing, and a moving popup repaints only the
// strip it left and the strip it now covers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <memory>
#include <string>
#include <vector>

#include "input/StartUp.h"
#include "shell/PanelWidget.h"
#include "support/FakeApp.h"

namespace yunuri {
namespace {

constexpr int kIdleTicks = 50;
constexpr int kSettleTicks = 20;

// Records the region of every paint event the widget receives.
class PaintRecorder : public QObject {
 public:
  std::vector<QRegion> regions;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(event)->region());
    return QObject::eventFilter(watched, event);
  }
};

class PerfIdleTest : public ::testing::Test {
 protected:
  FakeApp app;
  Form1 form{app};
  std::unique_ptr<PanelWidget> widget;

  void SetUp() override {
    ASSERT_TRUE(Form_Load(form));
    widget = std::make_unique<PanelWidget>(form);
    widget->show();
    flush();
    ASSERT_GT(widget->paintCount(), 0) << "the panel never painted its first frame";
  }

  // Lets the posted repaints run.
  static void flush() { QApplication::processEvents(); }

  void clickAt(QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget.get(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget.get(), &release);
    flush();
  }
  void click(ArrayId id, int i) {
    const DirtyRect r = form.WindowRect(form.Element(id, i));
    clickAt({r.left + r.width / 2, r.top + r.height / 2});
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) {
      widget->tick();
      flush();
    }
  }
  bool anythingMoving() const {
    const PanelState& s = form.state;
    for (Byte m : s.PanelMoving) {
      if (m != 0) return true;
    }
    return s.PowerPopupMoving != 0 || s.CdMdPopupMoving != 0 || s.ExitPopupMoving != 0 || s.VolumeHeld != 0;
  }
  // Asserts that idle ticks paint nothing at all.
  void expectIdleTicksPaintNothing() {
    ASSERT_FALSE(anythingMoving());
    const int before = widget->paintCount();
    ticks(kIdleTicks);
    EXPECT_EQ(widget->paintCount(), before);
  }
};

TEST_F(PerfIdleTest, PanelAtRestPaintsNothingOnIdleTicks) {
  clickAt({kWindowWidth / 2.0, kWindowHeight / 2.0});  // the notice
  ticks(kSettleTicks);
  ASSERT_FALSE(form.KABE().Visible);
  expectIdleTicksPaintNothing();

  // The same with a popup down and a remote in view.
  click(ArrayId::SWu, 1);
  click(ArrayId::SWm, 6);
  ticks(kSettleTicks);
  expectIdleTicksPaintNothing();
}

std::string describe(const QRegion& region) {
  std::string out;
  for (const QRect& r : region) {
    out += "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height()) + ")";
  }
  return out;
}

QRegion visiblePart(const DirtyRect& r) {
  return QRegion(QRectF(r.left, r.top, r.width, r.height).toAlignedRect())
      .intersected(QRect(0, 0, kWindowWidth, kWindowHeight));
}

TEST_F(PerfIdleTest, MovingPopupRepaintsOnlyWhereItWasAndIs) {
  clickAt({kWindowWidth / 2.0, kWindowHeight / 2.0});
  ticks(kSettleTicks);
  click(ArrayId::SWu, 0);
  ticks(2);  // the first step lights the top button; later steps move the popup alone

  PaintRecorder recorder;
  widget->installEventFilter(&recorder);
  const QRegion before = visiblePart(form.WindowRect(form.POP(0)));
  ticks(1);
  const QRegion after = visiblePart(form.WindowRect(form.POP(0)));
  widget->removeEventFilter(&recorder);

  ASSERT_NE(before, after) << "the popup did not move";
  ASSERT_FALSE(recorder.regions.empty()) << "the moving popup was not repainted";
  QRegion painted;
  for (const QRegion& r : recorder.regions) painted += r;
  EXPECT_EQ(painted, before.united(after))
      << "painted " << describe(painted) << ", expected " << describe(before.united(after));
  EXPECT_NE(painted, QRegion(widget->rect()));
}

}  // namespace
}  // namespace yunuri
