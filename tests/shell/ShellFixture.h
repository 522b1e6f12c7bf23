#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <memory>

#include "input/StartUp.h"
#include "shell/PanelWidget.h"
#include "support/FakeApp.h"
#include "window/Form1.h"

namespace yunuri::shelltest {

// A started panel in a shown window on the offscreen platform, driven by real Qt mouse events.
class ShellTest : public ::testing::Test {
 protected:
  FakeApp app;
  Form1 form{app};
  std::unique_ptr<PanelWidget> panel;

  void SetUp() override {
    Form_Load(form);
    app.calls.clear();  // what the shell makes the panel ask for comes after start-up
    panel = std::make_unique<PanelWidget>(form);
    panel->show();
    settle();
  }

  void TearDown() override { panel.reset(); }

  // Lets queued events (updates, activation) run.
  static void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

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
  void move(QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    send(QEvent::MouseMove, at, Qt::NoButton, held);
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) panel->tick();
  }
  // Clicks the notice away and lets the select-a-device panel slide in.
  void dismissNotice() {
    click({200, 150});
    ticks(7);
  }

  QImage grabbed() const { return panel->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// True when the two images agree at every pixel of `area` within a small rounding tolerance.
bool sameAt(const QImage& a, const QImage& b, const QRect& area);

}  // namespace yunuri::shelltest
