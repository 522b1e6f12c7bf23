#pragma once

#include <QPainter>
#include <QRect>
#include <QRectF>
#include <cstddef>

#include "assets/RoomPicture.h"

// The plan of the room's picture: where each part of the room stands, in the picture's logical pixels. Left
// and right mirror each other about the middle of the picture.
namespace yunuri::assets::room {

// The hall in one-point perspective: the front wall between the ceiling's and the floor's far edges.
inline constexpr qreal kWallLeft = 14;
inline constexpr qreal kWallRight = kRoomWidth - kWallLeft;
inline constexpr qreal kCeilingLine = 34;
inline constexpr qreal kFloorLine = 214;

inline constexpr int kScreenLeft = 26;
inline constexpr int kScreenWidth = 164;
inline constexpr int kScreenTop = 40;
inline constexpr int kScreenHeight = 114;
inline constexpr int kCaseHeight = 6;  // the roller case the screen hangs from
inline constexpr int kProjectorWidth = 50;
inline constexpr int kProjectorTop = 8;
inline constexpr int kProjectorHeight = 16;
inline constexpr int kGlowReach = 15;  // how far a lamp's glow spreads around its lens
inline constexpr QRect kMonitor(160, 160, 80, 52);
inline constexpr QRectF kLectern(148, 218, 104, 52);
inline constexpr qreal kSpeakerWidth = 26;
inline constexpr qreal kSpeakerHeight = 46;
inline constexpr qreal kSpeakerInset = 98;  // from the picture's edge to the speaker's outer side
inline constexpr QRect kSoundCard(310, 236, 84, 58);
inline constexpr qreal kDeskTop = 276;

inline QRect screenRect(std::size_t side) {
  const int left = side == 0 ? kScreenLeft : kRoomWidth - kScreenLeft - kScreenWidth;
  return {left, kScreenTop, kScreenWidth, kScreenHeight};
}

// The part of the screen a projector lights: below the case and above the weighted bottom bar.
inline QRectF surfaceOf(const QRect& screen) {
  return QRectF(screen).adjusted(3, kCaseHeight + 1, -3, -4);
}

inline QRect projectorRect(std::size_t side) {
  const int centre = screenRect(side).center().x() + 1;
  return {centre - kProjectorWidth / 2, kProjectorTop, kProjectorWidth, kProjectorHeight};
}

inline QRectF speakerRect(std::size_t side) {
  const qreal left = side == 0 ? kSpeakerInset : kRoomWidth - kSpeakerInset - kSpeakerWidth;
  return {left, kFloorLine - 18, kSpeakerWidth, kSpeakerHeight};
}

// Everything in the room that no state changes: the hall, the screens' frames, the projectors' and the
// speakers' cases, the lectern with the monitor's frame, the desks and the sound card.
void paintHallAndFurniture(QPainter& p);

}  // namespace yunuri::assets::room
