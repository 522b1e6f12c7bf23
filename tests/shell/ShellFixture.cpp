#include "ShellFixture.h"

#include <QPainter>
#include <cstdlib>

#include "assets/Artwork.h"

namespace yunuri::shelltest {

namespace {
constexpr int kTolerance = 2;

bool close(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= kTolerance && std::abs(qGreen(a) - qGreen(b)) <= kTolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= kTolerance;
}
}  // namespace

bool sameAt(const QImage& a, const QImage& b, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (!close(a.pixel(x, y), b.pixel(x, y))) return false;
    }
  }
  return true;
}

QImage panelWith(Picture overlay, QPoint at) {
  QImage picture = assets::renderPicture(Picture::base(BasePicture::MainPanel), 1.0);
  QPainter painter(&picture);
  painter.drawImage(at, assets::renderPicture(overlay, 1.0));
  painter.end();
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace yunuri::shelltest
