#include "assets/Text.h"

#include "assets/Decor.h"
#include "assets/TextGrid.h"
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

// Black-and-white letters are one pixel thin; a full shadow beside them fills the pixel between two strokes.
QColor faint(QColor shadow) {
  shadow.setAlphaF(shadow.alphaF() * 0.55f);
  return shadow;
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

}  // namespace yunuri::assets
