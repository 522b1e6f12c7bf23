#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>

#include "window/RoomView.h"

namespace yunuri::assets {

// The picture of the lecture room, seen from the back of the hall, in logical pixels: the panel's own size,
// so that panel and room share one zoom step.
inline constexpr int kRoomWidth = 400;
inline constexpr int kRoomHeight = 300;

// Paints the room as `view` says at `ratio` device pixels per logical pixel (the image carries the ratio),
// its words in the language shown. Over the picture it last gave at that ratio it paints again only the
// parts whose state or words changed: nothing at all for an equal view in the same language.
QImage renderRoom(const RoomView& view, qreal ratio);

// Where the parts of the picture lie, in logical pixels: what tests look at.
enum class RoomPart : std::uint8_t { LeftScreen, RightScreen, LeftProjector, RightProjector, Monitor, Sound };
QRect roomPart(RoomPart part);

}  // namespace yunuri::assets
