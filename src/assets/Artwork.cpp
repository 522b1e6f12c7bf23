// Every picture of the panel, painted from the layout tables at the requested device pixel ratio.
#include "assets/Artwork.h"

#include <QPainter>

#include "assets/Buttons.h"
#include "assets/Fonts.h"
#include "assets/Pictures.h"
#include "window/Catalogue.h"
#include "window/Layout.h"

namespace yunuri::assets {
namespace {

constexpr int kMeterPixels = 9;  // 6.75 pt at 96 dpi

const BoxLayout* boxShowing(BasePicture b) {
  for (int i = 0; i < kBoxCount; ++i) {
    const BoxLayout& l = boxLayout(static_cast<BoxId>(i));
    if (l.picture == b) return &l;
  }
  return nullptr;
}

void paintBase(QPainter& p, BasePicture b) {
  if (b == BasePicture::MainPanel) {
    paintMainPanel(p);
  } else if (b == BasePicture::Notice) {
    paintNotice(p);
  } else if (b == BasePicture::Meter) {
    paintMeter(p);
  }
  // The popups and the remote panels are known by the box that shows them.
  const BoxLayout* shows = boxShowing(b);
  if (shows == nullptr) return;
  for (std::size_t k = 0; k < kPopups.size(); ++k) {
    if (kPopups[k].box == shows->id) paintPopup(p, static_cast<int>(k));
  }
  for (std::size_t i = 0; i < kRemotePanels.size(); ++i) {
    if (kRemotePanels[i].box == shows->id) paintRemote(p, static_cast<int>(i));
  }
}

}  // namespace

QSize pictureSize(Picture picture) {
  switch (picture.kind) {
    case Picture::Kind::None:
      return {};
    case Picture::Kind::Base: {
      const auto b = static_cast<BasePicture>(picture.index);
      if (b == BasePicture::MainPanel) return {kWindowWidth, kWindowHeight};
      const BoxLayout* l = boxShowing(b);
      return l ? QSize(l->width, l->height) : QSize();
    }
    case Picture::Kind::Lit:
    case Picture::Kind::Unlinked: {
      const Size s = litSize(picture.array, picture.index);
      return {s.width, s.height};
    }
    case Picture::Kind::Label: {
      const Size s = litSize(ArrayId::MES, 0);
      return {s.width, s.height};
    }
  }
  return {};
}

QImage renderPicture(Picture picture, qreal devicePixelRatio) {
  const QSize size = pictureSize(picture);
  if (picture.kind == Picture::Kind::Lit)
    return renderButton(picture.array, picture.index, true, devicePixelRatio);
  if (picture.kind == Picture::Kind::Unlinked)
    return renderUnlinkedButton(picture.array, picture.index, devicePixelRatio);
  QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  if (size.isEmpty()) return image;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (picture.kind == Picture::Kind::Base) paintBase(p, static_cast<BasePicture>(picture.index));
  if (picture.kind == Picture::Kind::Label) paintLabel(p, picture.index);
  return image;
}

QFont meterFont() {
  return gothic(kMeterPixels);
}

}  // namespace yunuri::assets
