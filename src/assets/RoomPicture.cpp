// The lecture room seen from the back of the hall: the hall and what the panel's state puts in it, painted
// again region by region, only where what a region shows changed.
#include "assets/RoomPicture.h"

#include <QPainter>
#include <QRegion>
#include <QString>
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "assets/RoomDevices.h"
#include "assets/RoomPlan.h"
#include "assets/Words.h"
#include "state/Projector.h"

namespace yunuri::assets {
namespace {

using namespace room;

// The regions a change repaints, apart from one another with room to spare for glows, waves and marks.
enum class Region : std::uint8_t { LeftSide, RightSide, Monitor, Sound };
constexpr std::array kRegions = {Region::LeftSide, Region::RightSide, Region::Monitor, Region::Sound};

std::vector<QRect> areasOf(Region region) {
  switch (region) {
    case Region::LeftSide:
      return {{0, 0, kRoomWidth / 2, kScreenTop + kScreenHeight + 2}};
    case Region::RightSide:
      return {{kRoomWidth / 2, 0, kRoomWidth / 2, kScreenTop + kScreenHeight + 2}};
    case Region::Monitor:
      return {kMonitor.adjusted(-2, -2, 2, 2)};
    case Region::Sound: {
      // The speakers with the sound leaving them outwards, and the card.
      constexpr int kWaves = 36;
      constexpr int kMargin = 4;
      std::vector<QRect> areas;
      for (std::size_t side = 0; side < 2; ++side) {
        const QRect box = speakerRect(side).toAlignedRect().adjusted(-kMargin, -kMargin, kMargin, kMargin);
        areas.push_back(side == 0 ? box.adjusted(-kWaves, 0, 0, 0) : box.adjusted(0, 0, kWaves, 0));
      }
      areas.push_back(kSoundCard.adjusted(-4, -4, 4, 4));
      return areas;
    }
  }
  return {};
}

// All a region's painting depends on: the view's fields it reads and the words it letters, in their face.
struct Shown {
  std::array<int, 3> values{};
  QString words;
  bool latin = false;
  friend bool operator==(const Shown&, const Shown&) = default;
};

Shown shownIn(Region region, const RoomView& view) {
  Shown s;
  s.latin = latinLettering();
  switch (region) {
    case Region::LeftSide:
    case Region::RightSide: {
      const RoomView::Side& side = view.sides[region == Region::LeftSide ? 0 : 1];
      s.values = {side.source, side.phase, side.answering ? 1 : 0};
      s.words = shortName(side.source) + u'\n' + unansweredWords();
      break;
    }
    case Region::Monitor:
      s.values = {view.monitorSource, 0, 0};
      s.words = shortName(view.monitorSource);
      break;
    case Region::Sound:
      s.values = {view.volume, view.muted ? 1 : 0, 0};
      break;
  }
  return s;
}

void paintRegion(QPainter& p, Region region, const RoomView& view) {
  switch (region) {
    case Region::LeftSide:
    case Region::RightSide: {
      const std::size_t side = region == Region::LeftSide ? 0 : 1;
      const RoomView::Side& s = view.sides[side];
      const QRectF surface = surfaceOf(screenRect(side));
      paintScreenSurface(p, surface, s);
      if (projector::ShowsPicture(s.phase)) paintBeam(p, projectorRect(side), surface);
      paintProjectorLamp(p, projectorRect(side), s);
      break;
    }
    case Region::Monitor:
      paintMonitorPicture(p, kMonitor, view.monitorSource);
      break;
    case Region::Sound:
      paintSpeakerSound(p, speakerRect(0), -1, view.volume, view.muted);
      paintSpeakerSound(p, speakerRect(1), 1, view.volume, view.muted);
      paintSoundLevel(p, kSoundCard, view.volume, view.muted);
      break;
  }
}

// The areas in whole device pixels, rounded outwards, so that at any ratio a region's edge never cuts a pixel
// that the hall and the region would both have a share of.
QRegion devicePixelsOf(Region region, qreal ratio) {
  QRegion pixels;
  for (const QRect& area : areasOf(region)) {
    pixels += QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
                  .toAlignedRect();
  }
  return pixels;
}

// The picture as last painted, and what each region showed in it. Kept for one ratio: the picture is shown
// at one zoom step at a time.
struct Painted {
  qreal ratio = 0;
  QImage picture;
  std::array<std::optional<Shown>, kRegions.size()> shown;
};

}  // namespace

QImage renderRoom(const RoomView& view, qreal ratio) {
  static std::mutex guard;
  static Painted last;
  const std::lock_guard lock(guard);
  const bool whole = last.ratio != ratio;
  if (whole) {
    last = Painted{
        ratio, QImage(QSize(kRoomWidth, kRoomHeight) * ratio, QImage::Format_ARGB32_Premultiplied), {}};
    last.picture.setDevicePixelRatio(ratio);
  }
  QPainter p(&last.picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (whole) paintHallAndFurniture(p);
  for (std::size_t r = 0; r < kRegions.size(); ++r) {
    Shown now = shownIn(kRegions[r], view);
    if (last.shown[r] == now) continue;
    p.save();
    if (!whole) {
      // The clip is set in device pixels and stays there when the painter goes back to logical ones.
      const QTransform logical = p.worldTransform();
      p.setWorldTransform(p.deviceTransform().inverted() * logical);
      p.setClipRegion(devicePixelsOf(kRegions[r], ratio));
      p.setWorldTransform(logical);
      // The hall is opaque: painted again under the clip, it wipes out what the region showed before.
      paintHallAndFurniture(p);
    }
    paintRegion(p, kRegions[r], view);
    p.restore();
    last.shown[r] = std::move(now);
  }
  p.end();
  return last.picture;
}

QRect roomPart(RoomPart part) {
  switch (part) {
    case RoomPart::LeftScreen:
      return screenRect(0);
    case RoomPart::RightScreen:
      return screenRect(1);
    case RoomPart::LeftProjector:
    case RoomPart::RightProjector: {
      const QRect body = projectorRect(part == RoomPart::LeftProjector ? 0 : 1);
      return body.adjusted(0, -kProjectorTop, 0, kGlowReach);
    }
    case RoomPart::Monitor:
      return kMonitor;
    case RoomPart::Sound:
      return kSoundCard;
  }
  return {};
}

}  // namespace yunuri::assets
