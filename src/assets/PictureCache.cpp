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

// A key holds the ratio in its upper half and the picture in its lower half.
constexpr std::uint32_t kPictureBits = 0xffff;

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
  startOnPaintingThread([picture, devicePixelRatio, pending] {
    pending->image = renderPicture(picture, devicePixelRatio);
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
    runOnPaintingThread([&] { image = renderPicture(picture, devicePixelRatio); });
  }
  // A raster pixmap takes the image over without copying it.
  return cache_.emplace(k, QPixmap::fromImage(std::move(image))).first->second;
}

void PictureCache::forget(Picture picture) {
  const std::uint32_t which = key(picture, 0);
  std::erase_if(pending_, [&](auto& entry) {
    if ((entry.first & kPictureBits) != which) return false;
    entry.second->done.acquire();
    return true;
  });
  std::erase_if(cache_, [&](const auto& entry) { return (entry.first & kPictureBits) == which; });
}

PictureCache::~PictureCache() {
  clear();
}

void PictureCache::clear() {
  for (auto& entry : pending_) entry.second->done.acquire();
  pending_.clear();
  cache_.clear();
}

}  // namespace yunuri::assets
