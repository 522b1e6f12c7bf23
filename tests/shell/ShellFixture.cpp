#include "ShellFixture.h"

#include <cstdlib>

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

}  // namespace yunuri::shelltest
