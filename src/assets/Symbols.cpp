#include "assets/Symbols.h"

#include <QPainterPath>
#include <QPolygonF>

namespace yunuri::assets {
namespace {

// A triangle with its tip in direction (dx, dy), in a square of side s centred at c.
QPolygonF triangle(QPointF c, qreal s, int dx, int dy) {
  const qreal h = s / 2;
  if (dx != 0) {
    const qreal tip = c.x() + dx * h * 0.9;
    const qreal back = c.x() - dx * h * 0.7;
    return QPolygonF({QPointF(tip, c.y()), QPointF(back, c.y() - h), QPointF(back, c.y() + h)});
  }
  const qreal tip = c.y() + dy * h * 0.9;
  const qreal back = c.y() - dy * h * 0.7;
  return QPolygonF({QPointF(c.x(), tip), QPointF(c.x() - h, back), QPointF(c.x() + h, back)});
}

void fillPolygon(QPainter& p, const QPolygonF& poly) {
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  p.drawPath(path);
}

void pairOfTriangles(QPainter& p, QPointF c, qreal s, int dx) {
  const qreal half = s * 0.32;
  fillPolygon(p, triangle(c + QPointF(-half, 0), s * 0.72, dx, 0));
  fillPolygon(p, triangle(c + QPointF(half, 0), s * 0.72, dx, 0));
}

void skip(QPainter& p, QPointF c, qreal s, int dx) {
  const qreal barW = s * 0.14;
  const qreal triS = s * 0.72;
  fillPolygon(p, triangle(c + QPointF(-dx * s * 0.08, 0), triS, dx, 0));
  const qreal barX = c.x() + dx * (s * 0.08 + triS * 0.45);
  p.drawRect(QRectF(barX - barW / 2, c.y() - triS / 2, barW, triS));
}

}  // namespace

void paintSymbol(QPainter& p, Symbol symbol, const QRectF& box, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  const qreal s = box.height() * 0.56;
  const QPointF c = box.center();
  switch (symbol) {
    case Symbol::Up:
      fillPolygon(p, triangle(c, s, 0, -1));
      break;
    case Symbol::Down:
      fillPolygon(p, triangle(c, s, 0, 1));
      break;
    case Symbol::Left:
      fillPolygon(p, triangle(c, s, -1, 0));
      break;
    case Symbol::Right:
      fillPolygon(p, triangle(c, s, 1, 0));
      break;
    case Symbol::Previous:
      skip(p, c, s, -1);
      break;
    case Symbol::Next:
      skip(p, c, s, 1);
      break;
    case Symbol::Rewind:
      pairOfTriangles(p, c, s, -1);
      break;
    case Symbol::FastForward:
      pairOfTriangles(p, c, s, 1);
      break;
    case Symbol::Play:
      fillPolygon(p, triangle(c + QPointF(s * 0.08, 0), s, 1, 0));
      break;
    case Symbol::Pause: {
      const qreal w = s * 0.26;
      p.drawRect(QRectF(c.x() - s * 0.36, c.y() - s / 2, w, s));
      p.drawRect(QRectF(c.x() + s * 0.36 - w, c.y() - s / 2, w, s));
      break;
    }
    case Symbol::Stop: {
      const qreal side = s * 0.8;
      p.drawRect(QRectF(c.x() - side / 2, c.y() - side / 2, side, side));
      break;
    }
  }
  p.restore();
}

}  // namespace yunuri::assets
