#include "assets/Text.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace yunuri::assets {
namespace {

// Narrower than this and letters run together; below it the text is simply allowed to be clipped.
constexpr qreal kMinCondense = 0.55;
constexpr qreal kLeading = 1.1;  // between the lines of a multi-line caption

qreal widest(const QStringList& lines, const QFontMetricsF& m) {
  qreal w = 0;
  for (const QString& line : lines) w = std::max(w, m.horizontalAdvance(line));
  return w;
}

}  // namespace

qreal condenseFactor(const QRectF& box, const QString& text, const QFont& font) {
  const QFontMetricsF m(font);
  const qreal w = widest(text.split(QLatin1Char('\n')), m);
  return w > box.width() && w > 0 ? std::max(kMinCondense, box.width() / w) : 1.0;
}

void drawFitted(QPainter& p, const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align) {
  const QFontMetricsF m(font);
  const QStringList lines = text.split(QLatin1Char('\n'));
  const qreal sx = condenseFactor(box, text, font);
  const qreal lineHeight = (m.ascent() + m.descent()) * (lines.size() > 1 ? kLeading : 1.0);
  const qreal blockTop = box.center().y() - lineHeight * static_cast<qreal>(lines.size()) / 2;
  p.save();
  p.setFont(font);
  for (int i = 0; i < lines.size(); ++i) {
    const qreal w = m.horizontalAdvance(lines[i]) * sx;
    qreal x = box.left();
    if (align & Qt::AlignHCenter) x = box.center().x() - w / 2;
    if (align & Qt::AlignRight) x = box.right() - w;
    const qreal baseline = blockTop + lineHeight * i + m.ascent();
    p.save();
    p.translate(x, baseline);
    p.scale(sx, 1.0);
    p.drawText(QPointF(0, 0), lines[i]);
    p.restore();
  }
  p.restore();
}

void drawFittedShadowed(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                        const QColor& colour, const QColor& shadow, qreal offset) {
  p.save();
  p.setPen(shadow);
  drawFitted(p, box.translated(offset, offset), text, font);
  p.setPen(colour);
  drawFitted(p, box, text, font);
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
