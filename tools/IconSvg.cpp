#include "tools/IconSvg.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "assets/Artwork.h"

namespace yunuri::tools {

QByteArray iconSvg() {
  // The drawing's own coordinates: large enough that the widths kept at one pixel or more for small icons
  // take their proportional value.
  constexpr int kSide = 256;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(kSide, kSide));
  generator.setViewBox(QRect(0, 0, kSide, kSide));
  generator.setTitle(QStringLiteral("Yunuri"));
  QPainter painter(&generator);
  assets::paintIcon(painter, kSide);
  painter.end();
  return buffer.data();
}

}  // namespace yunuri::tools
