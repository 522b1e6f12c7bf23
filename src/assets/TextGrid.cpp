#include "assets/TextGrid.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

#include "assets/Words.h"

namespace yunuri::assets {
namespace {

// From 8 to 12 device pixels letters are drawn black and white: the gothic's hints are made for that (its
// gasp table asks for grid-fitting without grey from 9 to 16 pixels, and its Latin letters hold up at 8),
// and they put every stroke on a whole pixel, one pixel wide, where grey anti-aliasing at these sizes smears
// a kanji into a blot. Smaller letters have too few pixels for black and white, larger ones are smooth
// enough in grey.
constexpr int kSmallestCrisp = 8;
constexpr int kLargestCrisp = 12;
// Synthetic bold thickens black-and-white strokes by a whole pixel and fills the counters of small kanji, so
// the gothic's bold letters below this size keep their grey. The Latin face has a bold of its own, hinted for
// black and white like its regular, and small grey Latin letters blur into one another ("Power" read as
// "Pawer"), so Latin bold is crisp from the smallest crisp size.
constexpr int kSmallestCrispBold = 11;

}  // namespace

qreal gridScale(const QPainter& p) {
  const QTransform t = p.deviceTransform();
  if (t.type() > QTransform::TxScale || t.m11() <= 0 || !qFuzzyCompare(t.m11(), t.m22())) return 0;
  return t.m11();
}

// Japanese sets a word space only between Latin words, where one pixel narrower still parts them at these
// sizes. Latin lettering needs its full space between words; only where a sign follows a space ("Focus −")
// does the narrower one keep a small key's two words at their size.
bool tightWordSpace(const QString& text) {
  return !latinLettering() || text.contains(QLatin1String(" +")) || text.contains(QStringLiteral(" −"));
}

QFont onGrid(QFont font, int devicePixels, qreal scale, bool tightWords) {
  const bool syntheticBold = font.bold() && !latinLettering();
  const bool crisp = devicePixels >= (syntheticBold ? kSmallestCrispBold : kSmallestCrisp) &&
                     devicePixels <= kLargestCrisp && !font.italic();
  font.setPixelSize(std::max(1, devicePixels));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleStrategy(crisp ? QFont::NoAntialias : QFont::PreferAntialias);
  if (crisp && tightWords) font.setWordSpacing(-1);
  if (font.letterSpacingType() == QFont::AbsoluteSpacing)
    font.setLetterSpacing(QFont::AbsoluteSpacing, font.letterSpacing() * scale);
  return font;
}

// To the nearest whole pixel, halves upwards. The small bias settles ties the same way wherever the box
// lies: a button painted into the panel and alone must come out alike, though their centres, worked out
// from different origins, differ in the last bits.
qreal snap(qreal v) {
  constexpr qreal kTieBias = 1e-6;
  return std::floor(v + 0.5 + kTieBias);
}

}  // namespace yunuri::assets
