#include "assets/RoomDevices.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

#include "assets/Decor.h"
#include "assets/DeviceDrawings.h"
#include "assets/Fonts.h"
#include "assets/Palette.h"
#include "assets/RoomPicture.h"
#include "assets/RoomPlan.h"
#include "assets/Text.h"
#include "assets/Words.h"
#include "state/Projector.h"
#include "window/Sources.h"

namespace yunuri::assets::room {
namespace {

const QColor kUnlitCloth(128, 128, 136);
const QColor kNoPicture(22, 22, 26);
const QColor kNoPictureInk(150, 150, 160);
const QColor kLampWarming(255, 196, 80);
const QColor kLampOn(255, 246, 220);
const QColor kLampCooling(255, 118, 48);
const QColor kSoundWave(255, 226, 150, 210);
constexpr int kMostWaves = 3;
constexpr int kFullLevel = 100;

// How strongly a projector's lamp shines in a phase, 0 to 1: it grows through the warm-up, is full while on
// and fades through the cool-down, a step for every tick of either.
qreal lampStrength(Byte phase) {
  if (projector::Warming(phase)) return static_cast<qreal>(phase) / (kWarmUpLast + 1);
  if (projector::ShowsPicture(phase)) return 1;
  if (projector::Cooling(phase)) return static_cast<qreal>(kCoolDownLast + 1 - phase) / (kWarmUpLast + 1);
  return 0;
}

QColor lampColour(Byte phase) {
  if (projector::Warming(phase)) return kLampWarming;
  if (projector::Cooling(phase)) return kLampCooling;
  return kLampOn;
}

QColor withAlpha(QColor c, qreal alpha) {
  c.setAlphaF(static_cast<float>(c.alphaF() * std::clamp(alpha, 0.0, 1.0)));
  return c;
}

// A picture on a screen or on the monitor: the source's drawing on a tile as its button has it, in a
// projected light.
void paintProjectedSource(QPainter& p, const QRectF& surface, const QRectF& tile, Drawing drawing) {
  QLinearGradient light(surface.topLeft(), surface.bottomRight());
  light.setColorAt(0, QColor(240, 246, 255));
  light.setColorAt(1, QColor(170, 198, 236));
  p.fillRect(surface, light);
  paintSoftShadow(p, tile, 4, 2);
  paintCard(p, tile, 4);
  // The device drawing keeps its own proportions (22 by 16) inside the tile.
  const qreal scale = std::min((tile.width() - 6) / 22, (tile.height() - 4) / 16);
  const QSizeF size(22 * scale, 16 * scale);
  paintDevice(p, drawing, QRectF(tile.center() - QPointF(size.width(), size.height()) / 2, size));
}

void paintNoPicture(QPainter& p, const QRectF& surface, int pixels) {
  p.fillRect(surface, kNoPicture);
  p.setPen(kNoPictureInk);
  drawFitted(p, surface.adjusted(4, 0, -4, 0), shortName(0), gothic(pixels, true));
}

void paintUnanswered(QPainter& p, const QRectF& body) {
  constexpr qreal kBadgeWidth = 74;
  constexpr qreal kGap = 4;
  const bool onTheLeft = body.center().x() < kRoomWidth / 2.0;
  const QRectF badge(onTheLeft ? body.left() - kGap - kBadgeWidth : body.right() + kGap, body.top() + 1,
                     kBadgeWidth, body.height() - 2);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
  p.setBrush(colour::kRedInk);
  p.drawRoundedRect(badge.adjusted(0.5, 0.5, -0.5, -0.5), badge.height() / 2, badge.height() / 2);
  p.setPen(Qt::white);
  drawFitted(p, badge.adjusted(4, 0, -4, 0), unansweredWords(), gothic(10));
}

// The small loudspeaker of the panel's volume scale, drawn at `at` (its top left) in `ink`.
void paintSpeakerSign(QPainter& p, QPointF at, qreal size, const QColor& ink) {
  const qreal u = size / 10;
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawRect(QRectF(at.x(), at.y() + 3 * u, 3 * u, 4 * u));
  p.drawPolygon(
      QPolygonF({QPointF(at.x() + 3 * u, at.y() + 3 * u), QPointF(at.x() + 7 * u, at.y()),
                 QPointF(at.x() + 7 * u, at.y() + 10 * u), QPointF(at.x() + 3 * u, at.y() + 7 * u)}));
}

// A red ring crossed through: no sound.
void paintSilenced(QPainter& p, QPointF centre, qreal radius) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour::kRedInk, std::max(1.6, radius / 5), Qt::SolidLine, Qt::RoundCap));
  paintCrossedRing(p, centre, radius);
}

QPointF wooferOf(const QRectF& speaker) {
  return {speaker.center().x(), speaker.bottom() - 15};
}

QRectF levelBarOf(const QRectF& card) {
  return {card.left() + 8, card.bottom() - 20, card.width() - 16, 10};
}

// The lens sits under the projector's front edge.
QPointF lensOf(const QRectF& body) {
  return {body.center().x(), body.bottom() - 1};
}

}  // namespace

QString unansweredWords() {
  return shown(YUNURI_TR("Panel", "応答なし"));
}

void paintProjectorBody(QPainter& p, const QRectF& body) {
  // The rod it hangs from.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(24, 22, 20));
  p.drawRect(QRectF(body.center().x() - 2, 0, 4, body.top() + 1));

  p.setPen(QPen(QColor(28, 28, 32), 1.0));
  QLinearGradient shell(body.topLeft(), body.bottomLeft());
  shell.setColorAt(0, QColor(220, 220, 226));
  shell.setColorAt(1, QColor(130, 130, 140));
  p.setBrush(shell);
  p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  p.setPen(QPen(QColor(70, 70, 78), 1.0));
  for (int k = 0; k < 3; ++k) {
    const qreal y = body.top() + 4.5 + 3 * k;
    p.drawLine(QPointF(body.left() + 5, y), QPointF(body.left() + 15, y));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 50, 56));
  p.drawEllipse(lensOf(body), 7, 3.5);
}

void paintProjectorLamp(QPainter& p, const QRectF& body, const RoomView::Side& side) {
  // The pilot lamp: green when on, amber while the projector warms up or cools down, red on standby.
  const Byte phase = side.phase;
  const QColor pilot = projector::ShowsPicture(phase) ? QColor(80, 230, 90)
                       : phase == kProjectorOff       ? QColor(210, 40, 30)
                                                      : QColor(255, 170, 40);
  p.setPen(Qt::NoPen);
  p.setBrush(pilot);
  p.drawEllipse(QPointF(body.right() - 7, body.top() + 5.5), 2, 2);

  // The lamp's glow around the lens.
  const QPointF lens = lensOf(body);
  const qreal strength = lampStrength(phase);
  if (strength > 0) {
    const QColor lamp = lampColour(phase);
    // Seen at once, however early in the warm-up, and growing to the full glow of a lamp that is on.
    const qreal reach = 6 + (kGlowReach - 6) * strength;
    QRadialGradient glow(lens, reach);
    glow.setColorAt(0, withAlpha(lamp, 0.7 + 0.3 * strength));
    glow.setColorAt(0.5, withAlpha(lamp, 0.25 + 0.45 * strength));
    glow.setColorAt(1, withAlpha(lamp, 0));
    p.setBrush(glow);
    p.drawEllipse(lens, reach, reach);
    p.setBrush(withAlpha(lamp, 0.3 + 0.7 * strength));
    p.drawEllipse(lens, 5, 2.5);
  }
  if (!side.answering) paintUnanswered(p, body);
}

void paintBeam(QPainter& p, const QRectF& body, const QRectF& screen) {
  const QPointF lens = lensOf(body);
  QLinearGradient light(lens, QPointF(lens.x(), screen.top()));
  light.setColorAt(0, withAlpha(kLampOn, 0.55));
  light.setColorAt(1, withAlpha(kLampOn, 0.12));
  p.setPen(Qt::NoPen);
  p.setBrush(light);
  p.drawPolygon(
      QPolygonF({lens + QPointF(-4, 0), lens + QPointF(4, 0), screen.topRight(), screen.topLeft()}));
}

void paintScreenSurface(QPainter& p, const QRectF& surface, const RoomView::Side& side) {
  if (!projector::ShowsPicture(side.phase)) {
    // Nothing is projected: the bare cloth in a darkened hall.
    QLinearGradient cloth(surface.topLeft(), surface.bottomLeft());
    cloth.setColorAt(0, kUnlitCloth);
    cloth.setColorAt(1, kUnlitCloth.darker(125));
    p.fillRect(surface, cloth);
    return;
  }
  if (side.source == 0) {
    paintNoPicture(p, surface, 16);
    return;
  }
  constexpr qreal kTileWidth = 80;
  constexpr qreal kTileHeight = 58;
  constexpr qreal kStripHeight = 22;
  const QRectF tile(surface.center().x() - kTileWidth / 2, surface.top() + 8, kTileWidth, kTileHeight);
  paintProjectedSource(p, surface, tile, kSources[side.source].drawing);
  // The source's name as the strip under the screen's button says it.
  const QRectF strip(surface.left() + 8, surface.bottom() - kStripHeight - 6, surface.width() - 16,
                     kStripHeight);
  paintWell(p, strip, 3, QColor(46, 40, 36));
  drawFittedShadowed(p, strip.adjusted(3, 0, -3, 0), shortName(side.source), gothic(14, true),
                     colour::kLabelYellow, colour::kLabelShadow);
}

void paintMonitorFrame(QPainter& p, const QRectF& frame) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 34));
  p.drawRect(QRectF(frame.center().x() - 5, frame.bottom(), 10, 6));
  p.setPen(QPen(QColor(110, 110, 118), 1.0));
  p.setBrush(QColor(34, 34, 38));
  p.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

void paintMonitorPicture(QPainter& p, const QRectF& frame, int source) {
  const QRectF surface = frame.adjusted(4, 4, -4, -4);
  if (source == 0) {
    paintNoPicture(p, surface, 11);
    return;
  }
  constexpr qreal kNameHeight = 13;
  const QRectF picture(surface.left(), surface.top(), surface.width(), surface.height() - kNameHeight);
  const QRectF tile(picture.center().x() - 17, picture.top() + 2, 34, picture.height() - 4);
  paintProjectedSource(p, surface, tile, kSources[static_cast<std::size_t>(source)].drawing);
  p.setPen(colour::kInk);
  drawFitted(p, QRectF(surface.left() + 2, picture.bottom(), surface.width() - 4, kNameHeight),
             shortName(source), gothic(10));
}

void paintSpeakerBox(QPainter& p, const QRectF& box) {
  p.setPen(QPen(QColor(96, 88, 82), 1.0));
  p.setBrush(QColor(38, 34, 32));
  p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  const QPointF tweeter(box.center().x(), box.top() + 10);
  for (const auto& [centre, radius] : {std::pair{tweeter, 4.0}, std::pair{wooferOf(box), 9.0}}) {
    QRadialGradient cone(centre, radius);
    cone.setColorAt(0, QColor(120, 116, 112));
    cone.setColorAt(0.7, QColor(58, 54, 52));
    cone.setColorAt(1, QColor(150, 144, 138));
    p.setPen(Qt::NoPen);
    p.setBrush(cone);
    p.drawEllipse(centre, radius, radius);
  }
}

void paintSpeakerSound(QPainter& p, const QRectF& box, int outwards, int level, bool muted) {
  if (muted) {
    paintSilenced(p, wooferOf(box), 11);
    return;
  }
  // As many waves as the level reaches thirds of the scale, the first as soon as anything plays.
  const int waves = level <= 0 ? 0 : 1 + (level - 1) * kMostWaves / kFullLevel;
  const QPointF from(box.center().x(), box.center().y());
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kSoundWave, 1.6, Qt::SolidLine, Qt::RoundCap));
  const int facing = outwards < 0 ? 180 : 0;
  for (int k = 0; k < waves; ++k) {
    const qreal r = box.width() / 2 + 5 + 6 * k;
    p.drawArc(QRectF(from.x() - r, from.y() - r, 2 * r, 2 * r), (facing - 30) * 16, 60 * 16);
  }
}

void paintSoundCard(QPainter& p, const QRectF& card) {
  paintSoftShadow(p, card, 6, 3);
  paintCard(p, card, 6);
  paintWell(p, levelBarOf(card), 3, QColor(40, 36, 34));
}

void paintSoundLevel(QPainter& p, const QRectF& card, int level, bool muted) {
  constexpr qreal kSign = 16;
  const QPointF sign(card.left() + 8, card.top() + 7);
  paintSpeakerSign(p, sign, kSign, muted ? colour::kRedInk : colour::kInk);
  if (muted) paintSilenced(p, sign + QPointF(kSign * 0.4, kSign / 2), kSign * 0.62);

  const QRectF figures(sign.x() + kSign + 6, card.top() + 4, card.right() - sign.x() - kSign - 12, 22);
  p.setPen(muted ? colour::kRedInk : colour::kInk);
  // MUTE as the panel's own button says it, in either language.
  drawFitted(p, figures, muted ? QStringLiteral("MUTE") : QStringLiteral("%1%").arg(level), gothic(16, true),
             Qt::AlignRight | Qt::AlignVCenter);

  if (level <= 0) return;
  const QRectF filled = levelBarOf(card).adjusted(1, 1, -1, -1);
  QLinearGradient fill(filled.topLeft(), filled.bottomLeft());
  fill.setColorAt(0, muted ? QColor(170, 160, 150) : colour::kPanelMid);
  fill.setColorAt(1, muted ? QColor(110, 102, 96) : colour::kPanelTop.darker(115));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(filled.left(), filled.top(),
                           filled.width() * std::min(level, kFullLevel) / kFullLevel, filled.height()),
                    2, 2);
}

}  // namespace yunuri::assets::room
