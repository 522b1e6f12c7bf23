#pragma once

#include <QPixmap>
#include <memory>
#include <unordered_map>

#include "window/Picture.h"

namespace yunuri::assets {

// Every picture rendered once per device pixel ratio; painting a frame is blitting these.
class PictureCache {
 public:
  PictureCache() = default;
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;
  // Waits for the pictures still being painted: a job must not outlive the program's fonts.
  ~PictureCache();

  // Starts painting a picture on the painting thread, for a later get() to collect, so that it is painted
  // while the caller gets on with something else (making the window, at start-up).
  void prefetch(Picture picture, qreal devicePixelRatio);
  const QPixmap& get(Picture picture, qreal devicePixelRatio);
  // Forgets a picture that will not be shown again, at every ratio, once it is painted.
  void forget(Picture picture);
  // Forgets every picture, once those still being painted are done.
  void clear();

 private:
  struct Pending;
  static std::uint32_t key(Picture picture, qreal devicePixelRatio);
  std::unordered_map<std::uint32_t, QPixmap> cache_;
  std::unordered_map<std::uint32_t, std::shared_ptr<Pending>> pending_;
};

}  // namespace yunuri::assets
