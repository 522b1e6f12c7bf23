#pragma once

#include <QPixmap>
#include <unordered_map>

#include "window/Picture.h"

namespace yunuri::assets {

// Every picture rendered once per device pixel ratio; painting a frame is blitting these.
class PictureCache {
 public:
  const QPixmap& get(Picture picture, qreal devicePixelRatio);
  void clear() { cache_.clear(); }

 private:
  static std::uint32_t key(Picture picture, qreal devicePixelRatio);
  std::unordered_map<std::uint32_t, QPixmap> cache_;
};

}  // namespace yunuri::assets
