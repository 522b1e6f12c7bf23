#include "assets/Decor.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "assets/Fonts.h"
#include "assets/Palette.h"
#include "assets/Text.h"

namespace yunuri::assets {

bool showsThrough(const QPainter& p, const QRectF& box) {
  // Shadows and anti-aliased rims reach a few pixels past the boxes the pieces are laid out by.
  constexpr int kReach = 4;
  return !p.hasClipping() ||
         p.clipRegion().intersects(box.toAlignedRect().adjusted(-kReach, -kReach, kReach, kReach));
}

void paintLogo(QPainter& p, const QRectF& box, bool light) {
  if (!showsThrough(p, box)) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal d = box.height();
  const QRectF emblem(box.left(), box.top(), d, d);
  QRadialGradient g(emblem.center() - QPointF(d * 0.2, d * 0.2), d * 0.8);
  g.setColorAt(0, QColor(255, 190, 80));
  g.setColorAt(1, QColor(214, 60, 20));
  p.setPen(QPen(light ? QColor(255, 255, 255, 200) : colour::kFrame, 0.8));
  p.setBrush(g);
  p.drawEllipse(emblem.adjusted(0.4, 0.4, -0.4, -0.4));
  // Sound waves leaving a speaker point.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, d * 0.09, Qt::SolidLine, Qt::RoundCap));
  const QPointF c = emblem.center() - QPointF(d * 0.18, 0);
  for (int i = 1; i <= 3; ++i) {
    const qreal r = d * 0.12 * i;
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(c, d * 0.07, d * 0.07);

  const QRectF words(emblem.right() + d * 0.2, box.top(), box.width() - d * 1.2, d);
  p.setPen(light ? Qt::white : colour::kInk);
  drawFitted(p, QRectF(words.left(), words.top() - d * 0.08, words.width(), d * 0.68),
             QStringLiteral("YUNURI"), logoFont(qRound(d * 0.55)), Qt::AlignLeft | Qt::AlignVCenter);
  p.setPen(light ? QColor(255, 200, 120) : QColor(190, 90, 20));
  drawFitted(p, QRectF(words.left() + 1, words.top() + d * 0.6, words.width(), d * 0.4),
             QStringLiteral("AV CONTROL SYSTEM"), gothic(qMax(5, qRound(d * 0.28))),
             Qt::AlignLeft | Qt::AlignVCenter);
  p.restore();
}

void paintHeading(QPainter& p, const QRectF& box, const QString& text, int pixels) {
  if (!showsThrough(p, box)) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, colour::kHeadingBand.lighter(135));
  g.setColorAt(1, colour::kHeadingBand);
  p.setPen(QPen(QColor(60, 36, 16), 0.8));
  p.setBrush(g);
  const qreal r = box.height() / 2;
  p.drawRoundedRect(box.adjusted(0.4, 0.4, -0.4, -0.4), r, r);
  // A small orange marker before the words.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 160, 40));
  p.drawEllipse(QPointF(box.left() + r, box.center().y()), r * 0.35, r * 0.35);
  drawFittedShadowed(p, box.adjusted(r * 1.6, 0, -r * 0.6, 0), text, gothic(pixels, true),
                     colour::kHeadingInk, QColor(30, 16, 4, 180), 0.6);
  p.restore();
}

void paintSoftShadow(QPainter& p, const QRectF& box, qreal radius, int spread) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (int i = spread; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, 60 / spread));
    const qreal grow = i * 0.8;
    p.drawRoundedRect(box.translated(0, i * 0.6).adjusted(-grow, -grow, grow, grow), radius + grow,
                      radius + grow);
  }
  p.restore();
}

void paintCard(QPainter& p, const QRectF& box, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, QColor(255, 253, 245));
  g.setColorAt(1, QColor(250, 238, 212));
  p.setPen(QPen(colour::kCreamEdge, 1.0));
  p.setBrush(g);
  p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.restore();
}

void paintWell(QPainter& p, const QRectF& box, qreal radius, const QColor& fill) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(box.adjusted(-0.5, 0.5, 0.5, 1.5), radius, radius);
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, fill.darker(150));
  g.setColorAt(0.12, fill);
  g.setColorAt(1, fill.lighter(115));
  p.setPen(QPen(fill.darker(200), 1.0));
  p.setBrush(g);
  p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.restore();
}

void paintCrossedRing(QPainter& p, QPointF centre, qreal radius) {
  p.drawEllipse(centre, radius, radius);
  const qreal d = radius * 0.70710678;  // the ring's points at 45 degrees
  p.drawLine(centre + QPointF(-d, -d), centre + QPointF(d, d));
}

}  // namespace yunuri::assets
