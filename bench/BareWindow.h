// The yardsticks the panel is held against: a bare Qt 6 window of the panel's size, optionally painting one
// line of Japanese text, optionally ticking a 100 ms timer that does nothing.
//
// Without arguments the window ends right after its first frame (the start-up yardstick). `--stay` keeps it
// open (the memory yardstick, measured from outside); `--timer` keeps it open with the panel's 100 ms tick
// doing nothing (the floor of idle CPU).
#pragma once

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <functional>
#include <utility>

namespace yunuri::bench {

class BareWindow : public QWidget {
 public:
  BareWindow(bool stay, std::function<void(QPainter&)> extra) : stay_(stay), extra_(std::move(extra)) {
    setFixedSize(400, 300);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(250, 200, 140));
    if (extra_) extra_(painter);
    if (stay_ || quitting_) return;
    quitting_ = true;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  }

 private:
  bool stay_;
  bool quitting_ = false;
  std::function<void(QPainter&)> extra_;
};

inline bool hasArgument(int argc, char** argv, const char* name) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return true;
  }
  return false;
}

inline int runBareWindow(int argc, char** argv, std::function<void(QPainter&)> extra = {}) {
  QApplication application(argc, argv);
  const bool tick = hasArgument(argc, argv, "--timer");
  BareWindow window(tick || hasArgument(argc, argv, "--stay"), std::move(extra));
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &window, [] {});
  if (tick) timer.start(100);
  window.show();
  return QApplication::exec();
}

}  // namespace yunuri::bench
