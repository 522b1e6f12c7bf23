// Every picture of the panel, painted from the layout tables at the requested device pixel ratio.
#include "assets/Artwork.h"

#include <QPainter>

#include "assets/Buttons.h"
#include "assets/Fonts.h"
#include "assets/Pictures.h"
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
  const int n = static_cast<int>(b);
  const int firstRemote = static_cast<int>(BasePicture::Sousa0);
  const int firstPopup = static_cast<int>(BasePicture::Pop0);
  if (b == BasePicture::MainPanel) {
    paintMainPanel(p);
  } else if (b == BasePicture::Notice) {
    paintNotice(p);
  } else if (b == BasePicture::Meter) {
    paintMeter(p);
  } else if (n >= firstPopup) {
    paintPopup(p, n - firstPopup);
  } else if (n >= firstRemote) {
    paintRemote(p, n - firstRemote);
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
    case Picture::Kind::Lit: {
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
