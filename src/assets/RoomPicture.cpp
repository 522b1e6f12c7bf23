#include "assets/RoomPicture.h"

#include <QColor>

namespace yunuri::assets {

QImage renderRoom(const RoomView& /*view*/, qreal ratio) {
  QImage image(QSize(kRoomWidth, kRoomHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(QColor(0x20, 0x28, 0x38));
  return image;
}

QRect roomPart(RoomPart /*part*/) {
  return {};
}

}  // namespace yunuri::assets
