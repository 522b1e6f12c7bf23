#include "assets/PictureCache.h"

#include <QSemaphore>
#include <cmath>
#include <utility>

#include "assets/Artwork.h"
#include "assets/PaintingThread.h"

namespace yunuri::assets {

// A picture being painted on the painting thread; `done` is released once `image` is set.
struct PictureCache::Pending {
  QImage image;
  QSemaphore done;
};

namespace {

const Picture kMainPanel = Picture::base(BasePicture::MainPanel);
const Picture kNotice = Picture::base(BasePicture::Notice);

}  // namespace

std::uint32_t PictureCache::key(Picture picture, qreal devicePixelRatio) {
  const auto ratio = static_cast<std::uint32_t>(std::lround(devicePixelRatio * 100));
  return (ratio << 16) | (static_cast<std::uint32_t>(picture.kind) << 13) |
         (static_cast<std::uint32_t>(picture.array) << 8) | picture.index;
}

void PictureCache::prefetch(Picture picture, qreal devicePixelRatio) {
  const std::uint32_t k = key(picture, devicePixelRatio);
  if (cache_.contains(k) || pending_.contains(k)) return;
  auto pending = std::make_shared<Pending>();
  pending_.emplace(k, pending);
  // The notice lays the main panel under its veil, so the same job paints both.
  std::shared_ptr<Pending> underneath;
  const std::uint32_t mainKey = key(kMainPanel, devicePixelRatio);
  if (picture == kNotice && !cache_.contains(mainKey) && !pending_.contains(mainKey)) {
    underneath = std::make_shared<Pending>();
    pending_.emplace(mainKey, underneath);
  }
  startOnPaintingThread([picture, devicePixelRatio, pending, underneath] {
    QImage mainPanel;
    if (underneath) {
      mainPanel = renderPicture(kMainPanel, devicePixelRatio);
      underneath->image = mainPanel;
      underneath->done.release();
    }
    pending->image = renderPicture(picture, devicePixelRatio, mainPanel.isNull() ? nullptr : &mainPanel);
    pending->done.release();
  });
}

const QPixmap& PictureCache::get(Picture picture, qreal devicePixelRatio) {
  const std::uint32_t k = key(picture, devicePixelRatio);
  if (auto it = cache_.find(k); it != cache_.end()) return it->second;
  QImage image;
  if (auto p = pending_.find(k); p != pending_.end()) {
    const std::shared_ptr<Pending> pending = std::move(p->second);
    pending_.erase(p);
    pending->done.acquire();
    image = std::move(pending->image);
  } else {
    // The notice is painted over the main panel: that is rendered first (it is needed once the notice is
    // gone). A raster pixmap hands out its image without copying.
    QImage mainPanel;
    if (picture == kNotice) mainPanel = get(kMainPanel, devicePixelRatio).toImage();
    runOnPaintingThread(
        [&] { image = renderPicture(picture, devicePixelRatio, mainPanel.isNull() ? nullptr : &mainPanel); });
  }
  return cache_.emplace(k, QPixmap::fromImage(std::move(image))).first->second;
}

void PictureCache::clear() {
  // Pictures still being painted are let go; their jobs finish on their own.
  pending_.clear();
  cache_.clear();
}

}  // namespace yunuri::assets
