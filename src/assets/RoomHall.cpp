// The hall and its furniture: what no state of the panel changes.
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include "assets/Decor.h"
#include "assets/Palette.h"
#include "assets/RoomDevices.h"
#include "assets/RoomPlan.h"
#include "state/Projector.h"

namespace yunuri::assets::room {
namespace {

void paintHall(QPainter& p) {
  p.setPen(Qt::NoPen);
  // The house lights are down: the walls keep the panel's warm colours, dimmed, so the screens stand out.
  QLinearGradient wall(0, kCeilingLine, 0, kFloorLine);
  wall.setColorAt(0, QColor(74, 58, 48));
  wall.setColorAt(1, QColor(112, 80, 54));
  p.fillRect(QRectF(0, 0, kRoomWidth, kRoomHeight), wall);

  QLinearGradient ceiling(0, 0, 0, kCeilingLine);
  ceiling.setColorAt(0, colour::kBarBottom);
  ceiling.setColorAt(1, colour::kBarTop);
  p.setBrush(ceiling);
  p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(kRoomWidth, 0), QPointF(kWallRight, kCeilingLine),
                           QPointF(kWallLeft, kCeilingLine)}));

  // The side walls, a shade darker than the front one.
  p.setBrush(QColor(0, 0, 0, 46));
  p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(kWallLeft, kCeilingLine), QPointF(kWallLeft, kFloorLine),
                           QPointF(0, kFloorLine + 20)}));
  p.drawPolygon(QPolygonF({QPointF(kRoomWidth, 0), QPointF(kWallRight, kCeilingLine),
                           QPointF(kWallRight, kFloorLine), QPointF(kRoomWidth, kFloorLine + 20)}));

  QLinearGradient floor(0, kFloorLine, 0, kRoomHeight);
  floor.setColorAt(0, QColor(78, 56, 40));
  floor.setColorAt(1, QColor(46, 34, 26));
  p.setBrush(floor);
  p.drawPolygon(QPolygonF({QPointF(kWallLeft, kFloorLine), QPointF(kWallRight, kFloorLine),
                           QPointF(kRoomWidth, kFloorLine + 20), QPointF(kRoomWidth, kRoomHeight),
                           QPointF(0, kRoomHeight), QPointF(0, kFloorLine + 20)}));
  p.setPen(QPen(QColor(150, 110, 74), 1.0));
  p.drawLine(QPointF(kWallLeft, kFloorLine + 0.5), QPointF(kWallRight, kFloorLine + 0.5));
}

// The screen's hardware: the roller case above and the weighted bar at the bottom of the cloth.
void paintScreenFrame(QPainter& p, const QRect& screen) {
  const QRectF r(screen);
  p.setPen(QPen(QColor(30, 30, 34), 0.8));
  QLinearGradient roller(r.topLeft(), r.topLeft() + QPointF(0, kCaseHeight));
  roller.setColorAt(0, QColor(176, 176, 184));
  roller.setColorAt(1, QColor(76, 76, 84));
  p.setBrush(roller);
  p.drawRoundedRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, kCaseHeight), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 46));
  p.drawRect(QRectF(r.left() + 2, r.bottom() - 3, r.width() - 4, 3));
  // The cloth's black border, as on a real projection screen.
  p.drawRect(QRectF(r.left() + 2, r.top() + kCaseHeight, r.width() - 4, r.height() - kCaseHeight - 2));
}

void paintLectern(QPainter& p) {
  const QRectF& l = kLectern;
  p.setPen(QPen(QColor(52, 32, 16), 1.0));
  QLinearGradient wood(l.topLeft(), l.bottomLeft());
  wood.setColorAt(0, QColor(168, 112, 62));
  wood.setColorAt(1, QColor(104, 66, 34));
  p.setBrush(wood);
  p.drawPolygon(
      QPolygonF({QPointF(l.left() + 0.5, l.top() + 0.5), QPointF(l.right() - 0.5, l.top() + 0.5),
                 QPointF(l.right() - 6.5, l.bottom() - 0.5), QPointF(l.left() + 6.5, l.bottom() - 0.5)}));
  p.setBrush(QColor(255, 255, 255, 40));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(l.left() + 1, l.top() + 1, l.width() - 2, 4));
  p.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(l.left() + 18.5, l.top() + 12.5, l.width() - 37, l.height() - 21));
}

// The first row of desks, the nearest thing to a visitor standing at the back.
void paintDesks(QPainter& p) {
  QLinearGradient desk(0, kDeskTop, 0, kRoomHeight);
  desk.setColorAt(0, QColor(58, 42, 30));
  desk.setColorAt(1, QColor(30, 22, 16));
  p.setPen(Qt::NoPen);
  p.setBrush(desk);
  p.drawRect(QRectF(0, kDeskTop, kRoomWidth, kRoomHeight - kDeskTop));
  p.setPen(QPen(QColor(150, 110, 74), 1.0));
  p.drawLine(QPointF(0, kDeskTop + 0.5), QPointF(kRoomWidth, kDeskTop + 0.5));
}

}  // namespace

void paintHallAndFurniture(QPainter& p) {
  // Under a region's clip only the pieces that reach into it are painted: most of the hall's cost is in
  // shaping the curves of pieces the clip would throw away.
  paintHall(p);
  for (std::size_t side = 0; side < kProjectors.size(); ++side) {
    if (showsThrough(p, screenRect(side))) paintScreenFrame(p, screenRect(side));
    const QRect projector = projectorRect(side);
    if (showsThrough(p, projector.adjusted(0, -projector.top(), 0, 0))) paintProjectorBody(p, projector);
    if (showsThrough(p, speakerRect(side))) paintSpeakerBox(p, speakerRect(side));
  }
  if (showsThrough(p, kLectern)) paintLectern(p);
  // The monitor's stand reaches down to the lectern.
  if (showsThrough(p, QRectF(kMonitor).adjusted(0, 0, 0, kLectern.top() - kMonitor.bottom()))) {
    paintMonitorFrame(p, kMonitor);
  }
  paintDesks(p);
  if (showsThrough(p, kSoundCard)) paintSoundCard(p, kSoundCard);
}

}  // namespace yunuri::assets::room
