#include <QFontMetricsF>
#include <QTextLayout>
#include <optional>

#include "assets/Text.h"
#include "assets/TextGrid.h"

// Running text: paragraphs wrapped to a box, and short ringed labels.
namespace yunuri::assets {
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
