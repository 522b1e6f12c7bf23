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
  enum class Command : std::uint8_t { None, In, Out, Reset, FullScreen, StatusStrip };
  // What a key asks for, with the keys of browsers and image viewers: Ctrl++ (also Ctrl+= and Ctrl+Shift+=),
  // Ctrl+-, Ctrl+0 and F11; and F9 for the status strip under the window's panel.
  static Command commandOf(const QKeyEvent& event);

  static constexpr std::array<int, 6> kPercents = {100, 125, 150, 200, 250, 300};
  // The strip under the panel in a window that shows the whole caption, which the title bar cuts short, in
  // panel pixels: two lines of the smallest legible letters or one of larger.
  static constexpr int kStripHeight = 40;

  int percent() const { return kPercents[step_]; }
  // One step up when the panel at that step fits `room`, one step down, back to 100 %. True when the step
  // changed.
  bool zoomIn(QSize room);
  bool zoomOut();
  bool reset();
  // The window's client size at the current step: the panel, and the strip under it when it shows.
  QSize windowSize() const;
  bool fits(QSize room) const;
  // Whether a window shows the status strip under the panel (full screen has its own line).
  void setStrip(bool shown) { strip_ = shown; }
  bool strip() const { return strip_; }

  // Lays the panel out in a widget of `size`: in a window at the current step in its top left corner;
  // full screen at the largest step that fits above a band `reserveBelow` high kept for the status line and
  // leaves a `corner` at the top right free, centred in what is left on whole device pixels of
  // `deviceRatio` (lower than centred where the corner needs it). With `room`, full screen also shows the
  // picture of the room at the same step: beside the panel on a wide screen, above it on a tall one, and
  // not at all where neither leaves both at 100 % or more.
  void layOut(QSize size, bool fullScreen, qreal deviceRatio, int reserveBelow = 0, QSize corner = {},
              bool room = false);
  // Widget pixels per panel pixel.
  qreal scale() const { return scale_; }
  // The panel pixel under a widget point (outside the panel when the point is on the ground around it).
  QPoint toPanel(QPointF widgetPoint) const;
  QRectF toPanel(const QRectF& widgetRect) const;
  // The widget pixels that cover a rectangle of the panel.
  QRect toWidget(const QRectF& panelRect) const;
  // Where the panel lies in the widget, on whole device pixels.
  QRectF panelArea() const;
  // Where the room's picture lies in full screen, on whole device pixels; empty where it is left out.
  QRectF roomArea() const { return room_; }
  // The panel and the room's picture together: what the status line goes under.
  QRectF shownArea() const { return panelArea().united(room_); }

 private:
  static qreal factor(int percent) { return percent / 100.0; }
  // Lays out a block of panel pixels (the panel alone, or with the room) at the largest step that fits in
  // `room`; false when none does.
  bool place(QSizeF block, QSize room, qreal deviceRatio, QSize corner);

  std::size_t step_ = 0;
  bool strip_ = true;
  qreal scale_ = 1;
  QPointF origin_;
  QRectF room_;
};

}  // namespace yunuri
