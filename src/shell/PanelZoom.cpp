#include "shell/PanelZoom.h"

#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "window/Layout.h"

namespace yunuri {
namespace {

const QSizeF kPanel(kWindowWidth, kWindowHeight);

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

void PanelZoom::layOut(QSize size, bool fullScreen, qreal deviceRatio, int reserveBelow, QSize corner) {
  if (!fullScreen) {
    scale_ = factor(percent());
    origin_ = {};
    return;
  }
  const QSize room(size.width(), std::max(0, size.height() - reserveBelow));
  // On whole device pixels, so that the pictures are copied pixel for pixel.
  const auto centred = [deviceRatio](qreal room) { return std::round(room / 2 * deviceRatio) / deviceRatio; };
  const auto below = [deviceRatio](qreal top) { return std::ceil(top * deviceRatio) / deviceRatio; };
  scale_ = factor(kPercents.front());
  origin_ = {centred(size.width() - kPanel.width() * scale_),
             centred(room.height() - kPanel.height() * scale_)};
  for (std::size_t step = kPercents.size(); step-- > 0;) {
    const QSizeF panel = kPanel * factor(kPercents[step]);
    if (!fitsIn(panel, room)) continue;
    const QSizeF ground = QSizeF(room) - panel;
    QPointF origin(centred(ground.width()), centred(ground.height()));
    // The corner is free beside a narrower panel; else the panel goes down under it, if the ground has room.
    if (ground.width() - origin.x() < corner.width()) {
      if (ground.height() < corner.height()) continue;
      origin.setY(std::max(origin.y(), below(corner.height())));
    }
    scale_ = factor(kPercents[step]);
    origin_ = origin;
    return;
  }
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
