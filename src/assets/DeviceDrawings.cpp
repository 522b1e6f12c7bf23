#include "assets/DeviceDrawings.h"

#include <QPainterPath>
#include <array>
#include <functional>

namespace yunuri::assets {
namespace {

const QColor kLine(58, 44, 34);
const QColor kCase(246, 246, 242);
const QColor kScreen(92, 150, 220);
const QColor kDark(70, 70, 76);

void setStyle(QPainter& p, const QBrush& fill) {
  p.setPen(QPen(kLine, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
}

void desktopPc(QPainter& p) {
  setStyle(p, kCase);
  p.drawRoundedRect(QRectF(1, 1.5, 13, 10), 1, 1);
  setStyle(p, kScreen);
  p.drawRect(QRectF(2.8, 3.2, 9.4, 6.6));
  setStyle(p, kCase);
  p.drawRect(QRectF(5.5, 11.5, 4, 2));
  p.drawRect(QRectF(3.5, 13.5, 8, 1.5));
  p.drawRoundedRect(QRectF(16, 2, 5, 13), 1, 1);
  p.drawLine(QPointF(17.3, 4.5), QPointF(19.7, 4.5));
}

void notebook(QPainter& p, bool wireless) {
  setStyle(p, kCase);
  p.drawRoundedRect(QRectF(4, 3, 14, 9), 1, 1);
  setStyle(p, kScreen);
  p.drawRect(QRectF(5.6, 4.6, 10.8, 5.8));
  setStyle(p, kCase);
  QPainterPath base;
  base.addPolygon(QPolygonF({QPointF(3, 12), QPointF(19, 12), QPointF(21.5, 15), QPointF(0.5, 15)}));
  base.closeSubpath();
  p.drawPath(base);
  if (!wireless) return;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 120, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
  for (int r = 1; r <= 2; ++r) {
    const qreal s = 2.2 * r;
    p.drawArc(QRectF(18.5 - s, 3.5 - s, 2 * s, 2 * s), 30 * 16, 120 * 16);
  }
}

void documentCamera(QPainter& p) {
  setStyle(p, kCase);
  p.drawRoundedRect(QRectF(1, 12.5, 20, 2.8), 1, 1);
  p.setPen(QPen(kLine, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(5, 12.5), QPointF(5, 3));
  p.drawLine(QPointF(5, 3), QPointF(12, 3));
  setStyle(p, kDark);
  p.drawRoundedRect(QRectF(10, 2, 6, 4), 1, 1);
  p.setPen(QPen(QColor(255, 220, 120, 160), 0.8));
  p.drawLine(QPointF(12.5, 6.5), QPointF(9.5, 12));
  p.drawLine(QPointF(13.5, 6.5), QPointF(17, 12));
}

void rgbInput(QPainter& p) {
  setStyle(p, QColor(80, 120, 200));
  QPainterPath shell;
  shell.addPolygon(QPolygonF({QPointF(1.5, 3), QPointF(20.5, 3), QPointF(18, 13), QPointF(4, 13)}));
  shell.closeSubpath();
  p.drawPath(shell);
  p.setPen(Qt::NoPen);
  p.setBrush(kCase);
  for (int row = 0; row < 3; ++row) {
    const int count = row == 2 ? 4 : 5;
    const qreal y = 5.2 + row * 2.6;
    const qreal start = 11 - (count - 1) * 1.5;
    for (int i = 0; i < count; ++i) p.drawEllipse(QPointF(start + i * 3, y), 0.8, 0.8);
  }
}

void deck(QPainter& p, bool withDisc) {
  setStyle(p, kDark);
  p.drawRoundedRect(QRectF(0.5, 5, 21, 9), 1.2, 1.2);
  p.setPen(QPen(QColor(200, 200, 200), 0.8));
  p.drawLine(QPointF(3, 8), QPointF(11, 8));
  p.drawLine(QPointF(3, 11), QPointF(11, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 230, 120));
  p.drawEllipse(QPointF(18.5, 8), 0.9, 0.9);
  if (!withDisc) return;
  QRadialGradient g(QPointF(15, 4), 5);
  g.setColorAt(0, QColor(255, 255, 255));
  g.setColorAt(1, QColor(170, 190, 230));
  setStyle(p, g);
  p.drawEllipse(QPointF(15, 4), 4.2, 3.2);
  p.setBrush(kDark);
  p.drawEllipse(QPointF(15, 4), 0.9, 0.7);
}

void tape(QPainter& p) {
  setStyle(p, kDark);
  p.drawRoundedRect(QRectF(1, 3, 20, 12), 1.5, 1.5);
  setStyle(p, kCase);
  p.drawRect(QRectF(4, 5.5, 14, 5));
  p.setBrush(kDark);
  p.drawEllipse(QPointF(7.5, 8), 1.6, 1.6);
  p.drawEllipse(QPointF(14.5, 8), 1.6, 1.6);
  // A small globe: the deck plays every TV standard.
  setStyle(p, QColor(90, 170, 240));
  p.drawEllipse(QPointF(18, 3.5), 3, 3);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(16.8, 0.5, 2.4, 6));
  p.drawLine(QPointF(15, 3.5), QPointF(21, 3.5));
}

void disc(QPainter& p) {
  QRadialGradient g(QPointF(11, 8), 7.5);
  g.setColorAt(0, QColor(255, 255, 255));
  g.setColorAt(0.6, QColor(200, 215, 245));
  g.setColorAt(1, QColor(235, 200, 240));
  setStyle(p, g);
  p.drawEllipse(QPointF(11, 8), 7.2, 7.2);
  p.setBrush(kCase);
  p.drawEllipse(QPointF(11, 8), 2.2, 2.2);
  p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(6.5, 3.5, 9, 9), 100 * 16, 60 * 16);
}

void standCamera(QPainter& p) {
  p.setPen(QPen(kLine, 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 8), QPointF(5, 15.5));
  p.drawLine(QPointF(11, 8), QPointF(17, 15.5));
  p.drawLine(QPointF(11, 8), QPointF(11, 15.5));
  setStyle(p, kDark);
  p.drawRoundedRect(QRectF(5, 1.5, 11, 6.5), 1.2, 1.2);
  setStyle(p, QColor(120, 170, 230));
  QPainterPath lens;
  lens.addPolygon(QPolygonF({QPointF(16, 3), QPointF(20.5, 1.5), QPointF(20.5, 8), QPointF(16, 6.5)}));
  lens.closeSubpath();
  p.drawPath(lens);
}

void domeCamera(QPainter& p) {
  setStyle(p, kCase);
  p.drawRoundedRect(QRectF(2, 1.5, 18, 3.5), 1, 1);
  QRadialGradient g(QPointF(9, 7), 8);
  g.setColorAt(0, QColor(140, 150, 170));
  g.setColorAt(1, QColor(40, 44, 56));
  setStyle(p, g);
  p.drawChord(QRectF(3.5, -3, 15, 17), 180 * 16, 180 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 200, 255));
  p.drawEllipse(QPointF(11, 10), 1.6, 1.6);
}

void videoInput(QPainter& p) {
  const std::array<QColor, 3> jacks = {QColor(240, 210, 40), QColor(245, 245, 245), QColor(220, 40, 40)};
  for (std::size_t i = 0; i < jacks.size(); ++i) {
    const qreal x = 4 + 7 * static_cast<qreal>(i);
    setStyle(p, jacks[i]);
    p.drawEllipse(QPointF(x, 8), 3.2, 3.2);
    p.setBrush(kDark);
    p.drawEllipse(QPointF(x, 8), 1.1, 1.1);
  }
}

}  // namespace

void paintDevice(QPainter& p, Drawing drawing, const QRectF& box) {
  using Painting = std::function<void(QPainter&)>;
  // Indexed by Drawing.
  static const std::array<Painting, static_cast<std::size_t>(Drawing::VideoInput) + 1> kPaintings = {
      nullptr,
      desktopPc,
      [](QPainter& q) { notebook(q, false); },
      [](QPainter& q) { notebook(q, true); },
      documentCamera,
      rgbInput,
      [](QPainter& q) { deck(q, true); },
      tape,
      disc,
      standCamera,
      domeCamera,
      videoInput,
  };
  const auto at = static_cast<std::size_t>(drawing);
  if (drawing == Drawing::None || at >= kPaintings.size()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(box.topLeft());
  p.scale(box.width() / 22.0, box.height() / 16.0);
  kPaintings[at](p);
  p.restore();
}

}  // namespace yunuri::assets
