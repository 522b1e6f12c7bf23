#include <QMouseEvent>
#include <QTouchEvent>

#include "assets/Artwork.h"
#include "input/Input.h"
#include "shell/PanelWidget.h"

// The mouse, touch points and the pointer's shape.
namespace yunuri {
namespace {

MouseButton buttonOf(Qt::MouseButton b) {
  switch (b) {
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

void PanelWidget::updatePointer(QPoint at) {
  pointerAt_ = at;
  if (pointerHidden_) return;
  const Pointer want = form_.PointerAt(at.x(), at.y());
  const qreal ratio = renderRatio();
  if (want == pointer_ && ratio == cursorRatio_) return;
  pointer_ = want;
  if (ratio != cursorRatio_) {
    cursorRatio_ = ratio;
    closedHand_.reset();
    pointingFinger_.reset();
  }
  switch (want) {
    case Pointer::ClosedHand:
      if (!closedHand_) closedHand_ = assets::closedHandCursor(devicePixelRatioF(), zoom_.scale());
      setCursor(*closedHand_);
      break;
    case Pointer::PointingFinger:
      if (!pointingFinger_)
        pointingFinger_ = assets::pointingFingerCursor(devicePixelRatioF(), zoom_.scale());
      setCursor(*pointingFinger_);
      break;
    case Pointer::Arrow:
      // The desktop's own pointer: setting an arrow explicitly would load the cursor theme at start-up.
      unsetCursor();
      break;
  }
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
  dropStaleCapture(event->buttons() & ~event->button());
  noteActivity();
  const QPoint at = widgetToPanel(event->position());
  pointerAt_ = at;
  // A click moves keyboard focus to the button clicked, without the ring: the ring is for keyboard users.
  if (focusVisible_) {
    update(focusRingRect());
    focusVisible_ = false;
  }
  if (const Target t = form_.HitTest(at.x(), at.y()); t.kind == Target::Kind::Element &&
                                                      arrayLayout(t.array).isButton &&
                                                      focus_ != ButtonRef{t.array, t.index}) {
    // A key held on the button focused before lets go as cancelled: the click took the focus from it.
    KeyPressLost(form_);
    focus_ = ButtonRef{t.array, t.index};
  }
  MouseDown(form_, at.x(), at.y(), buttonOf(event->button()));
  sync();
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
  noteActivity();
  const QPoint at = widgetToPanel(event->position());
  pointerAt_ = at;
  MouseUp(form_, at.x(), at.y(), buttonOf(event->button()));
  sync();
}

void PanelWidget::mouseMoveEvent(QMouseEvent* event) {
  dropStaleCapture(event->buttons());
  const QPoint at = widgetToPanel(event->position());
  // A touch screen moves the system's pointer too; only a mouse's own move brings the hidden pointer back.
  if (event->deviceType() != QInputDevice::DeviceType::TouchScreen) showPointerAfterMouse(at);
  updatePointer(at);
}

void PanelWidget::touchEvent(QTouchEvent* event) {
  noteActivity();
  hidePointerAfterTouch();
  if (event->type() == QEvent::TouchCancel) {
    // The system took the touch back (an edge gesture, a rejected palm): nothing of it may act.
    finger_.reset();
    loseCapture();
    return;
  }
  for (const QEventPoint& point : event->points()) {
    const QPoint at = widgetToPanel(point.position());
    if (point.state() == QEventPoint::Pressed && !finger_) {
      finger_ = point.id();
      TouchDown(form_, at.x(), at.y());
    } else if (point.state() == QEventPoint::Released && finger_ == point.id()) {
      finger_.reset();
      TouchUp(form_, at.x(), at.y());
    }
  }
  sync();
}

void PanelWidget::dropStaleCapture(Qt::MouseButtons stillDown) {
  if (stillDown == Qt::NoButton) loseCapture();
}

}  // namespace yunuri
