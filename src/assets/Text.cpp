#include "assets/Text.h"

#include "assets/Decor.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace yunuri::assets {
namespace {

// Narrower than this and letters run together; below it the text is simply allowed to be clipped.
constexpr qreal kMinCondense = 0.55;
constexpr qreal kLeading = 1.1;  // between the lines of a multi-line caption

// A caption shaped once: measuring and each drawing (shadow, then letters) use the same glyphs, because
// shaping is most of what text costs.
class FittedText {
 public:
  FittedText(const QRectF& box, const QString& text, const QFont& font) : box_(box) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    qreal widest = 0;
    for (const QString& s : lines) {
      auto& layout = lines_.emplace_back(std::make_unique<QTextLayout>(s, font));
      layout->setCacheEnabled(true);
      layout->beginLayout();
      QTextLine line = layout->createLine();
      line.setLineWidth(std::numeric_limits<qreal>::max() / 4);
      layout->endLayout();
      widest = std::max(widest, line.horizontalAdvance());
    }
    condense_ = widest > box.width() && widest > 0 ? std::max(kMinCondense, box.width() / widest) : 1.0;
    const QFontMetricsF m(font);
    ascent_ = m.ascent();
    lineHeight_ = (m.ascent() + m.descent()) * (lines.size() > 1 ? kLeading : 1.0);
  }

  qreal condense() const { return condense_; }

  void draw(QPainter& p, QPointF offset, Qt::Alignment align) const {
    const QRectF box = box_.translated(offset);
    const qreal blockTop = box.center().y() - lineHeight_ * static_cast<qreal>(lines_.size()) / 2;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const QTextLine line = lines_[i]->lineAt(0);
      const qreal w = line.horizontalAdvance() * condense_;
      qreal x = box.left();
      if (align & Qt::AlignHCenter) x = box.center().x() - w / 2;
      if (align & Qt::AlignRight) x = box.right() - w;
      const qreal baseline = blockTop + lineHeight_ * static_cast<qreal>(i) + ascent_;
      p.save();
      p.translate(x, baseline);
      p.scale(condense_, 1.0);
      lines_[i]->draw(&p, QPointF(0, -line.ascent()));
      p.restore();
    }
  }

 private:
  QRectF box_;
  std::vector<std::unique_ptr<QTextLayout>> lines_;
  qreal condense_ = 1;
  qreal ascent_ = 0;
  qreal lineHeight_ = 0;
};

}  // namespace

qreal condenseFactor(const QRectF& box, const QString& text, const QFont& font) {
  return FittedText(box, text, font).condense();
}

void drawFitted(QPainter& p, const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align) {
  if (!showsThrough(p, box)) return;
  FittedText(box, text, font).draw(p, {}, align);
}

void drawFittedShadowed(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                        const QColor& colour, const QColor& shadow, qreal offset) {
  if (!showsThrough(p, box)) return;
  const FittedText fitted(box, text, font);
  p.save();
  p.setPen(shadow);
  fitted.draw(p, {offset, offset}, Qt::AlignCenter);
  p.setPen(colour);
  fitted.draw(p, {}, Qt::AlignCenter);
  p.restore();
}

qreal drawWrapped(QPainter& p, const QRectF& box, const QString& text, QFont font, Qt::Alignment align,
                  int minPixels, qreal lineSpacing) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setAlignment(align & Qt::AlignHorizontal_Mask);
  for (;;) {
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    const QFontMetricsF m(font);
    const qreal step = m.height() * lineSpacing;
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(box.width());
      line.setPosition(QPointF(0, y));
      y += step;
    }
    layout.endLayout();
    const qreal used = y - step + m.height();
    if (used <= box.height() || font.pixelSize() <= minPixels) {
      qreal top = box.top();
      if (align & Qt::AlignVCenter) top = box.center().y() - used / 2;
      layout.draw(&p, QPointF(box.left(), top));
      return used;
    }
    font.setPixelSize(font.pixelSize() - 1);
  }
}

}  // namespace yunuri::assets
