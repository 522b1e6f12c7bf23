#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <array>
#include <cstdint>

class QKeyEvent;

namespace yunuri {

// How large the panel is shown, for presenting it to a room: the steps of a window's zoom, the full screen,
// and the mapping between the panel's own coordinates (the layout's 400 x 300) and the widget's.
class PanelZoom {
 public:
  enum class Command : std::uint8_t { None, In, Out, Reset, FullScreen };
  // What a key asks for, with the keys of browsers and image viewers: Ctrl++ (also Ctrl+= and Ctrl+Shift+=),
  // Ctrl+-, Ctrl+0 and F11.
  static Command commandOf(const QKeyEvent& event);

  static constexpr std::array<int, 6> kPercents = {100, 125, 150, 200, 250, 300};

  int percent() const { return kPercents[step_]; }
  // One step up when the panel at that step fits `room`, one step down, back to 100 %. True when the step
  // changed.
  bool zoomIn(QSize room);
  bool zoomOut();
  bool reset();
  // The window's client size at the current step.
  QSize windowSize() const;

  // Lays the panel out in a widget of `size`: in a window at the current step; full screen at the largest
  // step that fits above a band `reserveBelow` high kept for the status line, centred in what is left on
  // whole device pixels of `deviceRatio`.
  void layOut(QSize size, bool fullScreen, qreal deviceRatio, int reserveBelow = 0);
  // Widget pixels per panel pixel.
  qreal scale() const { return scale_; }
  // The panel pixel under a widget point (outside the panel when the point is on the ground around it).
  QPoint toPanel(QPointF widgetPoint) const;
  QRectF toPanel(const QRectF& widgetRect) const;
  // The widget pixels that cover a rectangle of the panel.
  QRect toWidget(const QRectF& panelRect) const;
  // Where the panel lies in the widget, on whole device pixels.
  QRectF panelArea() const;

 private:
  static qreal factor(int percent) { return percent / 100.0; }

  std::size_t step_ = 0;
  qreal scale_ = 1;
  QPointF origin_;
};

}  // namespace yunuri
