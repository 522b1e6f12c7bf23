#include "shell/IdleReset.h"

#include <QEvent>
#include <utility>

#include "shell/ActionEvent.h"

namespace yunuri {
namespace {

bool isInput(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
      return true;
    default:
      return event.type() == ActionEvent::type();
  }
}

}  // namespace

IdleReset::IdleReset(QObject* window, std::function<void()> startAgain) : QObject(window), timer_(this) {
  timer_.setObjectName(QStringLiteral("IdleReset"));
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, std::move(startAgain));
  window->installEventFilter(this);
}

void IdleReset::setSeconds(int seconds) {
  constexpr int kMillisecondsPerSecond = 1000;
  timer_.stop();
  timer_.setInterval(seconds * kMillisecondsPerSecond);
}

void IdleReset::restart() {
  if (timer_.interval() > 0) timer_.start();
}

bool IdleReset::eventFilter(QObject* watched, QEvent* event) {
  if (isInput(*event)) restart();
  return QObject::eventFilter(watched, event);
}

}  // namespace yunuri
