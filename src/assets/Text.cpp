#include "assets/Text.h"

#include "assets/Decor.h"
#include "assets/Words.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace yunuri::assets {
namespace {

// Narrower than this and letters run together; below it the text is simply allowed to be clipped.
constexpr qreal kMinCondense = 0.55;
// A black-and-white caption too wide for its box first gives up whole device pixels of size, down to this
// share of it, before it is condensed: smaller letters stay on the pixel grid, condensed ones do not.
constexpr qreal kMinShrink = 0.8;
constexpr qreal kLeading = 1.1;  // between the lines of a multi-line caption
constexpr qreal kMaxInkGap = 2;  // between the letters of lines closed up to fit a short box

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

// The painter's scale to device pixels when it only scales evenly and moves; 0 when it turns or shears, and
// letters are then drawn as the transform says.
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

// The font as it is drawn on the device's grid: a whole number of device pixels, fully hinted, and black and
// white where that is sharper.
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

// Within its scope the painter draws in device pixels, from the device's top left; clipping is kept.
class DevicePixels {
 public:
  explicit DevicePixels(QPainter& p) : p_(p) {
    p_.save();
    p_.setWorldTransform(p_.deviceTransform().inverted() * p_.worldTransform());
  }
  ~DevicePixels() { p_.restore(); }
  DevicePixels(const DevicePixels&) = delete;
  DevicePixels& operator=(const DevicePixels&) = delete;

 private:
  QPainter& p_;
};

// Black-and-white letters are one pixel thin; a full shadow beside them fills the pixel between two strokes.
QColor faint(QColor shadow) {
  shadow.setAlphaF(shadow.alphaF() * 0.55f);
  return shadow;
}

// To the nearest whole pixel, halves upwards. The small bias settles ties the same way wherever the box
// lies: a button painted into the panel and alone must come out alike, though their centres, worked out
// from different origins, differ in the last bits.
qreal snap(qreal v) {
  constexpr qreal kTieBias = 1e-6;
  return std::floor(v + 0.5 + kTieBias);
}

// A shift in the painter's units as whole device pixels, at least one when it is not none.
qreal wholePixels(qreal shift, qreal scale) {
  if (shift == 0) return 0;
  return std::copysign(std::max(1.0, snap(std::abs(shift) * scale)), shift);
}

// One line of a caption, shaped, with the extent of its ink around the pen's start on the baseline.
struct ShapedLine {
  std::unique_ptr<QTextLayout> layout;
  QRectF ink;
};

ShapedLine shape(const QString& text, const QFont& font) {
  ShapedLine line;
  line.layout = std::make_unique<QTextLayout>(text, font);
  line.layout->setCacheEnabled(true);
  line.layout->beginLayout();
  QTextLine l = line.layout->createLine();
  l.setLineWidth(std::numeric_limits<qreal>::max() / 4);
  line.layout->endLayout();
  for (const QGlyphRun& run : line.layout->glyphRuns()) {
    const QRawFont raw = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
      line.ink |= raw.boundingRect(glyphs[i]).translated(positions[i] - QPointF(0, l.ascent()));
    }
  }
  if (line.ink.isNull()) line.ink = QRectF(0, -l.ascent(), l.horizontalAdvance(), l.height());
  return line;
}

// A caption shaped once: measuring and each drawing (shadow, then letters) use the same glyphs, because
// shaping is most of what text costs. It is placed by its ink, not by the font's boxes, so small letters
// are truly centred and use all the room a small button has. On an evenly scaled painter it is set in device
// pixels, each line on whole pixels, so hinted letters keep their shape.
class FittedText {
 public:
  FittedText(const QPainter& p, const QRectF& box, const QString& text, const QFont& font)
      : box_(box), grid_(gridScale(p)), tightWords_(tightWordSpace(text)) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qreal scale = grid_ > 0 ? grid_ : 1;
    const qreal room = box.width() * scale;
    const int wanted = qRound(font.pixelSize() * scale);
    const int smallest = std::max(1, static_cast<int>(std::ceil(wanted * kMinShrink)));
    qreal widest = 0;
    for (int pixels = wanted;; --pixels) {
      font_ = grid_ > 0 ? onGrid(font, pixels, grid_, tightWords_) : font;
      widest = layOut(lines);
      // On the grid, ink that overhangs the box by less than half a pixel on each side still fits. Grey
      // letters are condensed rather than made smaller: they are not on the grid anyway. Latin lines too tall
      // for their spacing give up a pixel as well.
      if (grid_ == 0 || pixels <= smallest) break;
      if (!(crisp() && widest > std::round(room)) && !cramped(lines.size(), box.height() * scale)) break;
    }
    condense_ = widest > room && widest > 0 ? std::max(kMinCondense, room / widest) : 1.0;
    width_ = widest * condense_;
    placeBaselines(box.height() * scale, scale);
  }

  qreal condense() const { return condense_; }
  bool closedUp() const { return closedUp_; }
  qreal width() const { return width_; }
  // The letters' size in device pixels.
  int pixels() const { return font_.pixelSize(); }
  bool crisp() const { return font_.styleStrategy() & QFont::NoAntialias; }

  // `offset` is in the painter's units; on the grid it moves by whole device pixels, at least one.
  void draw(QPainter& p, QPointF offset, Qt::Alignment align) const {
    if (grid_ == 0) {
      drawLines(p, box_.translated(offset), align);
      return;
    }
    const QPointF shift(wholePixels(offset.x(), grid_), wholePixels(offset.y(), grid_));
    const QRectF box = p.deviceTransform().mapRect(box_).translated(shift);
    const DevicePixels device(p);
    drawLines(p, box, align);
  }

 private:
  qreal spacing() const {
    const QFontMetricsF m(font_);
    return (m.ascent() + m.descent()) * kLeading;
  }

  // Kanji are square and sit well closed up; Latin lines with their ascenders and descenders run into each
  // other, so a Latin caption first gives up a pixel of size to keep its line spacing.
  bool cramped(qsizetype lines, qreal height) const {
    return latinLettering() && lines > 1 && static_cast<qreal>(lines) * spacing() > height;
  }

  qreal layOut(const QStringList& lines) {
    lines_.clear();
    qreal widest = 0;
    for (const QString& s : lines) {
      widest = std::max(widest, lines_.emplace_back(shape(s, font_)).ink.width());
    }
    return widest;
  }

  // Lines follow each other at the font's line spacing. Where that would not fit the box (two lines on a
  // button) they close up, sharing what the letters leave of the height evenly between the gaps and the two
  // margins, up to a comfortable gap.
  void placeBaselines(qreal height, qreal scale) {
    const qreal spacing = this->spacing();
    const auto count = static_cast<qreal>(lines_.size());
    const bool closeUp = count * spacing > height;
    closedUp_ = closeUp && lines_.size() > 1;
    qreal ink = 0;
    for (const ShapedLine& line : lines_) ink += line.ink.height();
    const qreal share = (height - ink) / (count + 1);
    const qreal gap = std::clamp(grid_ > 0 ? snap(share) : share, std::min(1.0, scale), kMaxInkGap * scale);
    baselines_.assign(lines_.size(), 0);
    for (std::size_t i = 1; i < lines_.size(); ++i) {
      const qreal pitch = closeUp ? lines_[i - 1].ink.bottom() - lines_[i].ink.top() + gap : spacing;
      baselines_[i] = baselines_[i - 1] + (grid_ > 0 ? snap(pitch) : pitch);
    }
    inkTop_ = lines_.front().ink.top();
    inkBottom_ = baselines_.back() + lines_.back().ink.bottom();
  }

  void drawLines(QPainter& p, const QRectF& box, Qt::Alignment align) const {
    qreal top = box.center().y() - (inkBottom_ - inkTop_) / 2 - inkTop_;
    if (grid_ > 0) top = snap(top);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const QRectF ink(lines_[i].ink.left() * condense_, 0, lines_[i].ink.width() * condense_, 0);
      qreal x = box.left() - ink.left();
      if (align & Qt::AlignHCenter) x = box.center().x() - ink.width() / 2 - ink.left();
      if (align & Qt::AlignRight) x = box.right() - ink.right();
      if (grid_ > 0) x = snap(x);
      const QTextLine line = lines_[i].layout->lineAt(0);
      p.save();
      p.translate(x, top + baselines_[i]);
      p.scale(condense_, 1.0);
      lines_[i].layout->draw(&p, QPointF(0, -line.ascent()));
      p.restore();
    }
  }

  QRectF box_;
  qreal grid_;
  bool tightWords_;
  QFont font_;
  std::vector<ShapedLine> lines_;
  std::vector<qreal> baselines_;  // from the first line's
  qreal inkTop_ = 0;
  qreal inkBottom_ = 0;
  qreal condense_ = 1;
  bool closedUp_ = false;
  qreal width_ = 0;
};

}  // namespace

TextFit fitOf(const QPainter& p, const QRectF& box, const QString& text, const QFont& font) {
  const FittedText fitted(p, box, text, font);
  return {fitted.pixels(), fitted.condense(), fitted.width(), fitted.closedUp(), fitted.crisp()};
}

void drawFitted(QPainter& p, const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align) {
  if (!showsThrough(p, box)) return;
  FittedText(p, box, text, font).draw(p, {}, align);
}

void drawFittedShadowed(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                        const QColor& colour, const QColor& shadow, qreal offset) {
  if (!showsThrough(p, box)) return;
  const FittedText fitted(p, box, text, font);
  p.save();
  p.setPen(fitted.crisp() ? faint(shadow) : shadow);
  fitted.draw(p, {offset, offset}, Qt::AlignCenter);
  p.setPen(colour);
  fitted.draw(p, {}, Qt::AlignCenter);
  p.restore();
}

namespace {

qreal wrap(QPainter& p, const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align,
           int minPixels, qreal lineSpacing, bool draw) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setAlignment(align & Qt::AlignHorizontal_Mask);
  const qreal grid = gridScale(p);
  const qreal scale = grid > 0 ? grid : 1;
  const QRectF area = grid > 0 ? p.deviceTransform().mapRect(box) : box;
  for (int pixels = font.pixelSize();; --pixels) {
    const QFont f = grid > 0 ? onGrid(font, qRound(pixels * scale), grid, tightWordSpace(text)) : [&] {
      QFont g = font;
      g.setPixelSize(pixels);
      return g;
    }();
    QTextLayout layout(text, f);
    layout.setTextOption(option);
    const QFontMetricsF m(f);
    const qreal step = grid > 0 ? snap(m.height() * lineSpacing) : m.height() * lineSpacing;
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(area.width());
      line.setPosition(QPointF(0, y));
      y += step;
    }
    layout.endLayout();
    const qreal used = y - step + m.height();
    if (used <= area.height() || pixels <= minPixels) {
      if (!draw) return used / scale;
      qreal top = area.top();
      if (align & Qt::AlignVCenter) top = area.center().y() - used / 2;
      if (grid > 0) {
        const DevicePixels device(p);
        layout.draw(&p, QPointF(snap(area.left()), snap(top)));
      } else {
        layout.draw(&p, QPointF(area.left(), top));
      }
      return used / scale;
    }
  }
}

}  // namespace

qreal drawWrapped(QPainter& p, const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align,
                  int minPixels, qreal lineSpacing) {
  return wrap(p, box, text, font, align, minPixels, lineSpacing, true);
}

qreal wrappedHeight(QPainter& p, const QRectF& box, const QString& text, const QFont& font, int minPixels,
                    qreal lineSpacing) {
  return wrap(p, box, text, font, Qt::AlignLeft, minPixels, lineSpacing, false);
}

void drawRinged(QPainter& p, QPointF topLeft, const QString& text, const QFont& font, const QColor& colour,
                const QColor& ring) {
  const qreal grid = gridScale(p);
  QPointF start = topLeft + QPointF(0, QFontMetricsF(font).ascent());
  QFont letters = font;
  std::optional<DevicePixels> device;
  if (grid > 0) {
    // The same place rounded to whole device pixels; the ring is one device pixel wide.
    const QPointF at = p.deviceTransform().map(start);
    start = QPointF(snap(at.x()), snap(at.y()));
    letters = onGrid(font, qRound(font.pixelSize() * grid), grid, tightWordSpace(text));
    device.emplace(p);
  }
  p.save();
  p.setFont(letters);
  p.setPen(ring);
  for (const QPointF step : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)}) {
    p.drawText(start + step, text);
  }
  p.setPen(colour);
  p.drawText(start, text);
  p.restore();
}

}  // namespace yunuri::assets
