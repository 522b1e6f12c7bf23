#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "shell/PanelPainter.h"
#include "shell/PanelWidget.h"
#include "shell/StatusLine.h"

// Painting the window: the panel at its zoom, the ground around it in full screen and the focus ring.
namespace yunuri {
namespace {

// The ring around a focused button follows its pill or circle: a light band between two dark lines, so that
// it reads on the dark top bar, the orange ground, the blue buttons and the grey cards alike.
const QColor kRingDark(16, 24, 40);
const QColor kRingLight(255, 255, 255);

// Around the panel in full screen.
const QColor kGround(20, 18, 17);

}  // namespace

void PanelWidget::paintEvent(QPaintEvent* event) {
  ++paintCount_;
  // Pictures of another ratio (before a zoom, or on another screen) are not kept.
  if (const qreal ratio = renderRatio(); ratio != cacheRatio_) {
    cache_.clear();
    cacheRatio_ = ratio;
  }
  QPainter painter(this);
  const QRectF panel = zoom_.panelArea();
  if (!panel.contains(QRectF(rect()))) {
    QPainterPath ground;  // the widget less the panel
    ground.addRect(QRectF(rect()));
    ground.addRect(panel);
    painter.fillPath(ground, kGround);
  }
  painter.save();
  painter.translate(panel.topLeft());
  painter.scale(zoom_.scale(), zoom_.scale());
  const QRectF area = zoom_.toPanel(QRectF(event->rect()).intersected(panel));
  paintPanel(painter, form_, cache_, cacheRatio_, area);
  painter.restore();
  if (const QRect line = statusLineRect(); line.intersects(event->rect())) {
    paintStatusLine(painter, line, windowTitle());
  }
  if (const QRect ring = focusRingRect(); !ring.isNull() && ring.intersects(event->rect())) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal radius = std::min(ring.width(), ring.height()) / 2.0;
    const qreal line = ringOutset() / 4.0;
    // A band `width` wide whose outer edge lies `inset` inside the ring's bounds.
    const auto band = [&](qreal inset, qreal width, const QColor& colour) {
      const qreal middle = inset + width / 2;
      painter.setPen(QPen(colour, width));
      painter.drawRoundedRect(QRectF(ring).adjusted(middle, middle, -middle, -middle), radius - middle,
                              radius - middle);
    };
    band(0, 4 * line, kRingDark);
    band(line, 2 * line, kRingLight);
  }
  // What the first frame does not need waits until the panel has been on screen for a moment: the icon
  // (the frame shows it a little later) and the panel under the notice (painted on the painting thread long
  // before a visitor can click the notice away).
  if (!firstFrameShown_) {
    firstFrameShown_ = true;
    afterFirstFrame_.start(kAfterFirstFrameMs);
  } else if (!afterFirstFrame_.isActive() && !releasePainter_.isActive()) {
    releasePainter_.start(kReleasePainterMs);
  }
}

}  // namespace yunuri
