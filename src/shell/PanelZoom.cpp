#include "shell/PanelZoom.h"

#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "window/Layout.h"

namespace yunuri {
namespace {

const QSizeF kPanel(kWindowWidth, kWindowHeight);
// Panel pixels between the panel and the room's picture in full screen.
constexpr qreal kRoomGap = 20;
// How much wider than high a screen must be to show the room beside the panel (16:10 and 16:9 are, 4:3 and
// 5:4 are not), and how much higher than wide to show it above.
constexpr qreal kWideScreen = 1.5;
constexpr qreal kTallScreen = 1.2;

bool fitsIn(QSizeF size, QSize room) {
  return size.width() <= room.width() && size.height() <= room.height();
}

}  // namespace

PanelZoom::Command PanelZoom::commandOf(const QKeyEvent& event) {
  // Shift and the keypad do not matter: Ctrl++ is Ctrl+Shift+= on many layouts.
  const Qt::KeyboardModifiers mods = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (mods == Qt::NoModifier && event.key() == Qt::Key_F11) return Command::FullScreen;
  if (mods == Qt::NoModifier && event.key() == Qt::Key_F9) return Command::StatusStrip;
  if (mods != Qt::ControlModifier) return Command::None;
  switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      return Command::In;
    case Qt::Key_Minus:
      return Command::Out;
    case Qt::Key_0:
      return Command::Reset;
    default:
      return Command::None;
  }
}

bool PanelZoom::zoomIn(QSize room) {
  if (step_ + 1 >= kPercents.size()) return false;
  ++step_;
  if (fits(room)) return true;
  --step_;
  return false;
}

bool PanelZoom::zoomOut() {
  if (step_ == 0) return false;
  --step_;
  return true;
}

bool PanelZoom::reset() {
  if (step_ == 0) return false;
  step_ = 0;
  return true;
}

QSize PanelZoom::windowSize() const {
  const QSizeF window(kPanel.width(), kPanel.height() + (strip_ ? kStripHeight : 0));
  return (window * factor(percent())).toSize();
}

bool PanelZoom::fits(QSize room) const {
  return fitsIn(QSizeF(windowSize()), room);
}

void PanelZoom::layOut(QSize size, bool fullScreen, qreal deviceRatio, int reserveBelow, QSize corner,
                       bool room) {
  room_ = {};
  if (!fullScreen) {
    scale_ = factor(percent());
    origin_ = {};
    return;
  }
  const QSize free(size.width(), std::max(0, size.height() - reserveBelow));
  const auto whole = [deviceRatio](qreal at) { return std::round(at * deviceRatio) / deviceRatio; };
  // The room goes beside the panel on a wide screen (16:10, 16:9) and above it on a tall one: a 4:3 screen
  // would shrink the panel for a picture it cannot show large.
  const bool wide = size.width() >= kWideScreen * size.height();
  const bool tall = size.height() >= kTallScreen * size.width();
  if (room && (wide || tall)) {
    const QSizeF block = wide ? QSizeF(2 * kPanel.width() + kRoomGap, kPanel.height())
                              : QSizeF(kPanel.width(), 2 * kPanel.height() + kRoomGap);
    if (place(block, free, deviceRatio, corner)) {
      const QPointF step = wide ? QPointF(whole((kPanel.width() + kRoomGap) * scale_), 0)
                                : QPointF(0, whole((kPanel.height() + kRoomGap) * scale_));
      // Beside, the panel stays on the left, the room's picture beyond it; stacked, the panel stays within
      // reach at the bottom.
      room_ = QRectF(wide ? origin_ + step : origin_, kPanel * scale_);
      if (tall) origin_ += step;
      return;
    }
  }
  if (place(kPanel, free, deviceRatio, corner)) return;
  scale_ = factor(kPercents.front());
  origin_ = {whole((size.width() - kPanel.width() * scale_) / 2),
             whole((free.height() - kPanel.height() * scale_) / 2)};
}

bool PanelZoom::place(QSizeF block, QSize room, qreal deviceRatio, QSize corner) {
  // On whole device pixels, so that the pictures are copied pixel for pixel.
  const auto centred = [deviceRatio](qreal extent) {
    return std::round(extent / 2 * deviceRatio) / deviceRatio;
  };
  const auto below = [deviceRatio](qreal top) { return std::ceil(top * deviceRatio) / deviceRatio; };
  for (std::size_t step = kPercents.size(); step-- > 0;) {
    const QSizeF shown = block * factor(kPercents[step]);
    if (!fitsIn(shown, room)) continue;
    const QSizeF ground = QSizeF(room) - shown;
    QPointF origin(centred(ground.width()), centred(ground.height()));
    // The corner is free beside a narrower block; else the block goes down under it, if the ground has room.
    if (ground.width() - origin.x() < corner.width()) {
      if (ground.height() < corner.height()) continue;
      origin.setY(std::max(origin.y(), below(corner.height())));
    }
    scale_ = factor(kPercents[step]);
    origin_ = origin;
    return true;
  }
  return false;
}

QPoint PanelZoom::toPanel(QPointF widgetPoint) const {
  const QPointF p = (widgetPoint - origin_) / scale_;
  return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

QRectF PanelZoom::toPanel(const QRectF& widgetRect) const {
  return {(widgetRect.topLeft() - origin_) / scale_, widgetRect.size() / scale_};
}

QRect PanelZoom::toWidget(const QRectF& panelRect) const {
  return QRectF(origin_ + panelRect.topLeft() * scale_, panelRect.size() * scale_).toAlignedRect();
}

QRectF PanelZoom::panelArea() const {
  return {origin_, kPanel * scale_};
}

}  // namespace yunuri
