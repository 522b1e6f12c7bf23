#pragma once

#include <QCursor>
#include <QPoint>
#include <optional>

#include "window/Form1.h"

class QWidget;

namespace yunuri {

class PanelZoom;

// The pointer's shape over the panel (closed hand, pointing finger or the desktop's arrow, as the core says
// for the control under it) and, in showroom mode, its hiding while the last input was a touch.
class PanelPointer {
 public:
  PanelPointer(QWidget& window, const Form1& form, const PanelZoom& zoom)
      : window_(window), form_(form), zoom_(zoom) {}

  // The pointer is at a panel point, or left the window.
  void at(QPoint panelPoint);
  void left() { at_.reset(); }
  // Looks again at the control under the pointer, after the panel changed under it. Asking the display
  // server where the pointer is would cost a round trip every tick; the pointer's own events keep its
  // position.
  void follow();
  // A touch hides the pointer while `hideOnTouch`; a mouse's own move brings it back.
  void touched(bool hideOnTouch);
  void mouseMoved(QPoint panelPoint);

 private:
  QWidget& window_;
  const Form1& form_;
  const PanelZoom& zoom_;
  std::optional<QPoint> at_;        // where the pointer last was over the panel, as its events said
  Pointer shape_ = Pointer::Arrow;  // the window starts with the desktop's arrow
  // Drawn on first use and kept: rendering a pointer costs more than painting a whole frame.
  std::optional<QCursor> closedHand_;
  std::optional<QCursor> pointingFinger_;
  qreal ratio_ = 0;  // the ratio the kept pointers were drawn at
  bool hidden_ = false;
};

}  // namespace yunuri
