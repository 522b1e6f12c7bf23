#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "input/StartUp.h"
#include "shell/PanelWidget.h"
#include "shell/ShowroomApp.h"
#include "support/FakeApp.h"
#include "window/Form1.h"

namespace yunuri::shelltest {

// A started panel in a shown window on the offscreen platform, driven by real Qt events. Points are named by
// the control under them and found through the layout and the window's zoom, so they hold wherever the panel
// is shown.
class ShellTest : public ::testing::Test {
 protected:
  FakeApp app;
  // The program's own platform: an end is an end until a showroom asks to start again instead.
  ShowroomApp platform{app};
  Form1 form{platform};
  std::unique_ptr<PanelWidget> panel;

  void SetUp() override {
    Form_Load(form);
    app.calls.clear();  // what the shell makes the panel ask for comes after start-up
    panel = std::make_unique<PanelWidget>(form);
    beforeShow();
    panel->show();
    settle();
  }
  // What a fixture does to the window before it is shown.
  virtual void beforeShow() {}

  void TearDown() override { panel.reset(); }

  // Lets queued events (updates, activation) run.
  static void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  // Where a control lies in the widget.
  QRect rectOf(const DirtyRect& r) const {
    return panel->panelToWidget(QRectF(r.left, r.top, r.width, r.height));
  }
  QRect rectOf(ArrayId id, int i) const { return rectOf(form.WindowRect(form.Element(id, i))); }
  QPoint centreOf(ArrayId id, int i) const { return rectOf(id, i).center(); }
  QPoint centreOf(const PictureBox& box) const { return rectOf(form.WindowRect(box)).center(); }
  QPoint notice() const { return centreOf(form.KABE()); }

  void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPointF local(at);
    QMouseEvent event(type, local, panel->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(panel.get(), &event);
  }
  void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonPress, at, button, button);
  }
  void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
  }
  void click(QPoint at) {
    press(at);
    release(at);
  }
  void click(ArrayId id, int i) { click(centreOf(id, i)); }
  void move(QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    send(QEvent::MouseMove, at, Qt::NoButton, held);
  }
  // A key going down and up.
  void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, k, mods);
    QApplication::sendEvent(panel.get(), &down);
    QKeyEvent up(QEvent::KeyRelease, k, mods);
    QApplication::sendEvent(panel.get(), &up);
    settle();
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) panel->tick();
  }
  // Clicks the notice away and lets the select-a-device panel slide in.
  void dismissNotice() {
    click(notice());
    ticks(7);
  }
  // One of the window's timers, by its name.
  QTimer* timer(const char* name) const { return panel->findChild<QTimer*>(QString::fromLatin1(name)); }

  // A panel at rest is not painted again, tick after tick.
  void expectIdleTicksPaintNothing() {
    ticks(20);  // whatever was still moving comes to rest
    settle();
    const int before = panel->paintCount();
    for (int i = 0; i < 30; ++i) {
      panel->tick();
      settle();
    }
    EXPECT_EQ(panel->paintCount(), before) << "an idle panel repainted";
  }

  QImage grabbed() const { return panel->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The region a widget was asked to paint while this watched it.
class PaintSpy : public QObject {
 public:
  QRegion painted;
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

// True when the two images agree at every pixel of `area` within a small rounding tolerance.
bool sameAt(const QImage& a, const QImage& b, const QRect& area);

}  // namespace yunuri::shelltest
