#include "assets/PictureCache.h"

#include <cmath>
#include <utility>

#include "assets/Artwork.h"
#include "assets/PaintingThread.h"

namespace yunuri::assets {
std::uint32_t PictureCache::key(Picture picture, qreal devicePixelRatio) {
  const auto ratio = static_cast<std::uint32_t>(std::lround(devicePixelRatio * 100));
  return (ratio << 16) | (static_cast<std::uint32_t>(picture.kind) << 13) |
         (static_cast<std::uint32_t>(picture.array) << 8) | picture.index;
}

const QPixmap& PictureCache::get(Picture picture, qreal devicePixelRatio) {
  const std::uint32_t k = key(picture, devicePixelRatio);
  auto it = cache_.find(k);
  if (it == cache_.end()) {
    // The notice is painted over the main panel: render that first (it is needed once the notice is gone).
    // A raster pixmap hands out its image without copying.
    QImage mainPanel;
    if (picture == Picture::base(BasePicture::Notice)) {
      mainPanel = get(Picture::base(BasePicture::MainPanel), devicePixelRatio).toImage();
    }
    QImage image;
    runOnPaintingThread(
        [&] { image = renderPicture(picture, devicePixelRatio, mainPanel.isNull() ? nullptr : &mainPanel); });
    it = cache_.emplace(k, QPixmap::fromImage(std::move(image))).first;
  }
  return it->second;
}

}  // namespace yunuri::assets
