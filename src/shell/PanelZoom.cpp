#include "shell/PanelZoom.h"

#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "window/Layout.h"

namespace yunuri {
namespace {

const QSizeF kPanel(kWindowWidth, kWindowHeight);

bool fits(int percent, QSize room) {
  const QSizeF size = kPanel * (percent / 100.0);
  return size.width() <= room.width() && size.height() <= room.height();
}

}  // namespace

PanelZoom::Command PanelZoom::commandOf(const QKeyEvent& event) {
  // Shift and the keypad do not matter: Ctrl++ is Ctrl+Shift+= on many layouts.
  const Qt::KeyboardModifiers mods = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (mods == Qt::NoModifier && event.key() == Qt::Key_F11) return Command::FullScreen;
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
  if (step_ + 1 >= kPercents.size() || !fits(kPercents[step_ + 1], room)) return false;
  ++step_;
  return true;
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
  return (kPanel * factor(percent())).toSize();
}

void PanelZoom::layOut(QSize size, bool fullScreen, qreal deviceRatio, int reserveBelow) {
  if (!fullScreen) {
    scale_ = factor(percent());
    origin_ = {};
    return;
  }
  const QSize room(size.width(), std::max(0, size.height() - reserveBelow));
  int largest = kPercents.front();
  for (const int p : kPercents) {
    if (fits(p, room)) largest = p;
  }
  scale_ = factor(largest);
  // On whole device pixels, so that the pictures are copied pixel for pixel.
  const auto centred = [deviceRatio](qreal room) { return std::round(room / 2 * deviceRatio) / deviceRatio; };
  const QSizeF ground = QSizeF(room) - kPanel * scale_;
  origin_ = {centred(ground.width()), centred(ground.height())};
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
