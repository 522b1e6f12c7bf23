#include "shell/InputEvents.h"

#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>

#include "shell/PanelZoom.h"

namespace yunuri {
namespace {

std::optional<QPoint> arrowOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return QPoint(-1, 0);
    case Qt::Key_Right:
      return QPoint(1, 0);
    case Qt::Key_Up:
      return QPoint(0, -1);
    case Qt::Key_Down:
      return QPoint(0, 1);
    default:
      return std::nullopt;
  }
}

MouseButton buttonOf(int qtButton) {
  switch (qtButton) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::Other;
  }
}

}  // namespace

void mouseDown(Form1& f, Focus& focus, QPoint at, int qtButton) {
  focus.hideRing();
  const Target t = f.HitTest(at.x(), at.y());
  if (t.kind == Target::Kind::Element && arrayLayout(t.array).isButton) focus.moveTo(f, {{t.array, t.index}});
  MouseDown(f, at.x(), at.y(), buttonOf(qtButton));
}

void mouseUp(Form1& f, QPoint at, int qtButton) {
  MouseUp(f, at.x(), at.y(), buttonOf(qtButton));
}

void touchPoints(Form1& f, const QTouchEvent& event, const PanelZoom& zoom, std::optional<int>& finger) {
  for (const QEventPoint& point : event.points()) {
    const QPoint at = zoom.toPanel(point.position());
    if (point.state() == QEventPoint::Pressed && !finger) {
      finger = point.id();
      TouchDown(f, at.x(), at.y());
    } else if (point.state() == QEventPoint::Released && finger == point.id()) {
      finger.reset();
      TouchUp(f, at.x(), at.y());
    }
  }
}

bool isPressKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
}

bool isPanelKey(int key) {
  return isPressKey(key) || key == Qt::Key_Escape || arrowOf(key);
}

bool panelKeyDown(Form1& f, Focus& focus, int key) {
  focus.showRing();
  if (const std::optional<QPoint> arrow = arrowOf(key)) {
    focus.arrow(f, arrow->x(), arrow->y());
    return true;
  }
  if (key == Qt::Key_Escape) {
    CloseTopPopup(f);
  } else if (f.NoticeUp()) {
    KeyDownOnNotice(f, key);
  } else if (const std::optional<ButtonRef> on = focus.button()) {
    KeyDown(f, key, on->array, on->index);
  }
  return false;
}

bool wrapsAround(ButtonRef from, ButtonRef to, bool next) {
  const auto order = [](ButtonRef b) { return &CatalogueEntry(b.array, b.index) - Catalogue().data(); };
  return next ? order(to) <= order(from) : order(to) >= order(from);
}

bool endsPress(const QWidget& window, const QEvent& event) {
  switch (event.type()) {
    case QEvent::UngrabMouse:
    case QEvent::Hide:
    case QEvent::FocusOut:
    case QEvent::TouchCancel:
      return true;
    case QEvent::ActivationChange:
      return !window.isActiveWindow();
    case QEvent::WindowStateChange:
      return (window.windowState() & Qt::WindowMinimized) != 0;
    case QEvent::MouseButtonPress: {
      const auto& m = static_cast<const QMouseEvent&>(event);
      return (m.buttons() & ~m.button()) == Qt::NoButton;
    }
    case QEvent::MouseMove:
      return static_cast<const QMouseEvent&>(event).buttons() == Qt::NoButton;
    default:
      return false;
  }
}

}  // namespace yunuri
