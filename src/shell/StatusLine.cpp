#include "shell/StatusLine.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "assets/Fonts.h"
#include "assets/Palette.h"

namespace yunuri {
namespace {

// Large enough to read from the back of a room on a common screen, and never too thin to keep.
constexpr int kMinReserve = 40;
constexpr int kReserveDivisor = 12;  // a twelfth of the screen's height
// The text's cap: half the band's height for one line.
constexpr qreal kLineShare = 0.5;
constexpr int kSmallestPixels = 6;

// Whether `text` in `font` fits `area` whole with `flags`.
bool fits(const QFont& font, const QRect& area, int flags, const QString& text) {
  const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
  return needed.width() <= area.width() && needed.height() <= area.height();
}

}  // namespace

int statusLineReserve(QSize size) {
  return std::max(kMinReserve, size.height() / kReserveDivisor);
}

StatusLineSetting setStatusLine(const QString& text, const QRect& band) {
  const int margin = band.height() / 8;
  StatusLineSetting s;
  s.area = band.adjusted(margin * 2, margin, -margin * 2, -margin);
  const int largest = std::max(kSmallestPixels, static_cast<int>(band.height() * kLineShare));
  constexpr int kOneLine = Qt::AlignCenter | Qt::TextSingleLine;
  // Japanese breaks between any two letters; a Latin caption (another language) between words first.
  constexpr int kTwoLines = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere;
  for (int pixels = largest; pixels >= kSmallestPixels; --pixels) {
    s.font = assets::gothic(pixels, true);
    if (fits(s.font, s.area, kOneLine, text)) {
      s.flags = kOneLine;
      return s;
    }
    if (fits(s.font, s.area, kTwoLines, text)) {
      s.flags = kTwoLines;
      return s;
    }
  }
  // Nothing fits a band this small: the smallest size, wrapped, rather than a cut caption.
  s.flags = kTwoLines;
  return s;
}

void paintStatusLine(QPainter& painter, const QRect& band, const QString& text) {
  const StatusLineSetting s = setStatusLine(text, band);
  painter.save();
  painter.setFont(s.font);
  painter.setPen(assets::colour::kCream);
  painter.drawText(s.area, s.flags, text);
  painter.restore();
}

QRect statusLineBand(QSize size, const QRect& panel) {
  const int panelBottom = panel.bottom() + 1;
  return {0, panelBottom, size.width(), size.height() - panelBottom};
}

}  // namespace yunuri
