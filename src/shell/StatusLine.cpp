#include "shell/StatusLine.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "assets/Fonts.h"
#include "assets/PaintingThread.h"
#include "assets/Palette.h"

namespace yunuri {
namespace {

// Large enough to read from the back of a room on a common screen, and never too thin to keep.
constexpr int kMinReserve = 40;
constexpr int kReserveDivisor = 12;  // a twelfth of the screen's height
// The text's cap: half the band's height for one line.
constexpr qreal kLineShare = 0.5;
// From 64 pixels up the toolkit draws letters as outlines, and a face without a bold of its own loses the
// emboldening: the line would turn thin at the very sizes meant to read from afar.
constexpr int kLargestPixels = 63;
// One line gives way to two only below three quarters of the size two lines could take (each about half the
// area's height): a little smaller still reads from as far, and one line reads at a glance. Never below
// what reads across a room at all, unless the band itself is smaller.
constexpr qreal kFloorShare = 0.375;
constexpr int kReadablePixels = 14;
constexpr int kSmallestPixels = 6;

// What a break may cost, in ems, against the difference of the two lines' widths: a break inside a word or
// a phrase is worth a line 2 ems longer than its twin, a break inside quotation marks one 8 ems longer.
constexpr qreal kMidPhraseCost = 2;
constexpr qreal kInsideQuoteCost = 8;
// How close a half-width voiced mark comes to its letter's ink, in ems.
constexpr qreal kMarkMeets = 0.03;
// A line of one or two letters alone reads as a leftover.
constexpr int kShortestLine = 3;

// The half-width voiced marks: a glyph of their own, with the room of a letter around their ink.
bool isHalfWidthMark(QChar c) {
  return c == u'\uFF9E' || c == u'\uFF9F';
}

// Japanese breaking: never before closing punctuation, the prolonged sound mark, a small kana or a voiced
// mark, never after an opening bracket.
bool mayNotStartLine(QChar c) {
  static const QString kNoStart = QStringLiteral(
      "｡。、､，,．.・･：:；;？?！!」｣』）)］]】〕”’ーｰ～々ゝゞヽヾ"
      "ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶｧｨｩｪｫｯｬｭｮﾞﾟ゛゜");
  return kNoStart.contains(c);
}
bool mayNotEndLine(QChar c) {
  static const QString kNoEnd = QStringLiteral("｢「『（(［[【〔“‘");
  return kNoEnd.contains(c);
}
bool opensQuote(QChar c) {
  return c == u'｢' || c == u'「' || c == u'『' || c == u'（' || c == u'(';
}
bool closesQuote(QChar c) {
  return c == u'｣' || c == u'」' || c == u'』' || c == u'）' || c == u')';
}
// Letters of a Latin word: a break falls between words there, at a blank.
bool isLatin(QChar c) {
  return c.unicode() < 0x2000 && !c.isSpace();
}
bool isHiragana(QChar c) {
  return c.unicode() >= 0x3041 && c.unicode() <= 0x309F;
}

// Whether a reader would pause between `before` and `after`: at a blank, after a phrase's closing kana
// (a particle or an ending before a kanji, a katakana word or a quotation), after closing punctuation, or
// before a quotation opens.
bool betweenPhrases(QChar before, QChar after) {
  if (before.isSpace() || after.isSpace()) return true;
  if (closesQuote(before) || before == u'、' || before == u'､' || opensQuote(after)) return true;
  return isHiragana(before) && !isHiragana(after) && !mayNotStartLine(after);
}

bool mayBreak(QChar before, QChar after) {
  if (before.isSpace() || after.isSpace()) return true;
  if (isLatin(before) && isLatin(after)) return false;
  return !mayNotStartLine(after) && !mayNotEndLine(before);
}

qsizetype letters(QStringView line) {
  return std::count_if(line.begin(), line.end(), [](QChar c) { return !c.isSpace() && !c.isLowSurrogate(); });
}

// Where `text` breaks into two lines: the break a reader would choose, the lines as near the same width
// as can be. Japanese breaking and the shortest line give way only when no break keeps them.
QStringList breakInTwo(const QString& text, const QFont& font) {
  const qreal em = QFontMetricsF(font).height();
  qreal bestCost = std::numeric_limits<qreal>::max();
  QStringList best;
  for (const bool strict : {true, false}) {
    int depth = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
      const QChar before = text.at(i - 1);
      const QChar after = text.at(i);
      if (after.isLowSurrogate()) continue;
      if (opensQuote(before)) ++depth;
      if (closesQuote(before)) depth = std::max(0, depth - 1);
      if (strict && !mayBreak(before, after)) continue;
      const QString first = text.left(i).trimmed();
      const QString second = text.mid(i).trimmed();
      if (first.isEmpty() || second.isEmpty()) continue;
      if (strict && std::min(letters(first), letters(second)) < kShortestLine) continue;
      qreal cost = std::abs(statusLineWidth(font, first) - statusLineWidth(font, second));
      if (!betweenPhrases(before, after)) cost += kMidPhraseCost * em;
      if (depth > 0) cost += kInsideQuoteCost * em;
      if (cost < bestCost) {
        bestCost = cost;
        best = {first, second};
      }
    }
    if (!best.isEmpty()) return best;
  }
  return {text};
}

bool fitsAcross(const QFont& font, const QRect& area, const QStringList& lines) {
  return std::all_of(lines.begin(), lines.end(),
                     [&](const QString& line) { return statusLineWidth(font, line) <= area.width(); });
}

// How tall `count` lines stand: the ink of the last, the line spacing of the others.
qreal linesHeight(const QFontMetricsF& metrics, qsizetype count) {
  return metrics.ascent() + metrics.descent() + static_cast<qreal>(count - 1) * metrics.lineSpacing();
}

bool fits(const QFont& font, const QRect& area, const QStringList& lines) {
  return linesHeight(QFontMetricsF(font), lines.size()) <= area.height() && fitsAcross(font, area, lines);
}

// How far the letter at `i` moves back. A half-width voiced mark: by the blank that its glyph's and its
// letter's sides leave between their inks, which grows with the size until the mark seems to float, and a
// little more, so that it meets its letter as in the full-width kana. The letter after the mark: by what the
// mark's narrow ink leaves of its cell beyond the blank its letter had, so that the pair stands apart from
// the next letter no more than any letter does.
qreal tuckAt(const QFontMetricsF& metrics, QStringView line, qsizetype i) {
  if (i == 0 || line.at(i - 1).isSpace()) return 0;
  if (isHalfWidthMark(line.at(i))) {
    const qreal blank = metrics.rightBearing(line.at(i - 1)) + metrics.leftBearing(line.at(i));
    return std::max(0.0, blank + kMarkMeets * metrics.height());
  }
  if (i < 2 || !isHalfWidthMark(line.at(i - 1)) || line.at(i - 2).isSpace()) return 0;
  return std::max(0.0, metrics.rightBearing(line.at(i - 1)) - metrics.rightBearing(line.at(i - 2)));
}

// Draws `line` from `origin` on its baseline, the voiced marks against their letters.
void drawLine(QPainter& painter, const QFontMetricsF& metrics, QPointF origin, QStringView line) {
  qsizetype start = 0;
  for (qsizetype i = 1; i <= line.size(); ++i) {
    const qreal tuck = i < line.size() ? tuckAt(metrics, line, i) : 0;
    if (i < line.size() && tuck == 0) continue;
    const QString run = line.mid(start, i - start).toString();
    painter.drawText(origin, run);
    origin.rx() += metrics.horizontalAdvance(run) - tuck;
    start = i;
  }
}

}  // namespace

int statusLineReserve(QSize size) {
  return std::max(kMinReserve, size.height() / kReserveDivisor);
}

qreal statusLineWidth(const QFont& font, QStringView line) {
  const QFontMetricsF metrics(font);
  qreal width = metrics.horizontalAdvance(line.toString());
  for (qsizetype i = 1; i < line.size(); ++i) width -= tuckAt(metrics, line, i);
  return width;
}

namespace {

// The largest size from `largest` down to `smallest` at which `lines` fit `area`, or 0.
int largestFitting(const QStringList& lines, const QRect& area, int largest, int smallest) {
  for (int pixels = largest; pixels >= smallest; --pixels) {
    if (fits(assets::gothic(pixels, true), area, lines)) return pixels;
  }
  return 0;
}

}  // namespace

StatusLineSetting setStatusLine(const QString& text, const QRect& band) {
  const int margin = band.height() / 8;
  StatusLineSetting s;
  s.area = band.adjusted(margin * 2, margin, -margin * 2, -margin);
  const int largest =
      std::clamp(static_cast<int>(band.height() * kLineShare), kSmallestPixels, kLargestPixels);
  const int floor =
      std::min(largest, std::max(kReadablePixels, static_cast<int>(s.area.height() * kFloorShare)));
  s.lines = QStringList{text};
  int one = largestFitting(s.lines, s.area, largest, kSmallestPixels);
  if (one < floor) {
    // The break is chosen once, at the floor: the lines' widths grow with the size alike. Two lines may stand
    // larger than the floor of one, and win only when they stand larger than one line could.
    const QStringList two = breakInTwo(text, assets::gothic(floor, true));
    const int twoPixels = largestFitting(two, s.area, largest, kSmallestPixels);
    if (twoPixels > one) {
      s.lines = two;
      one = twoPixels;
    }
  }
  // Nothing fits a band this small: the smallest size rather than a cut caption.
  s.font = assets::gothic(std::max(one, kSmallestPixels), true);
  return s;
}

void paintStatusLine(QPainter& painter, const QRect& band, const QString& text) {
  const StatusLineSetting s = setStatusLine(text, band);
  const QFontMetricsF metrics(s.font);
  painter.save();
  painter.setFont(s.font);
  painter.setPen(assets::colour::kCream);
  const QRectF area(s.area);
  qreal baseline = area.center().y() - linesHeight(metrics, s.lines.size()) / 2 + metrics.ascent();
  for (const QString& line : s.lines) {
    drawLine(painter, metrics, {area.center().x() - statusLineWidth(s.font, line) / 2, baseline}, line);
    baseline += metrics.lineSpacing();
  }
  painter.restore();
}

QRect statusLineBand(QSize size, const QRect& panel) {
  const int panelBottom = panel.bottom() + 1;
  return {0, panelBottom, size.width(), size.height() - panelBottom};
}

const QImage& LetteredStatusLine::image(const QString& text, QSize size, qreal ratio) {
  if (text == text_ && size == size_ && ratio == image_.devicePixelRatio()) return image_;
  text_ = text;
  size_ = size;
  QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(kStatusLineGround);
  // Lettered where the pictures are: a font opened on the window's thread would stay mapped as long as the
  // program runs, and the line changes only with a press.
  assets::runOnPaintingThread([&] {
    QPainter p(&image);
    paintStatusLine(p, QRect(QPoint(), size), text);
  });
  image_ = std::move(image);
  return image_;
}

}  // namespace yunuri
