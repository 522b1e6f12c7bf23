#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace yunuri::assets {

// Draws one or more lines ('\n' separated) centred in `box` (or left-aligned), condensing them horizontally
// when they are wider than the box, so long names keep their size and stay legible.
void drawFitted(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                Qt::Alignment align = Qt::AlignCenter);

// How drawFitted would set a text in `box`: the letters' size in device pixels, how far they are condensed
// (1 when not at all), the widest line's ink in device pixels, whether its lines had to close up tighter
// than the font's line spacing, and whether its letters are hinted to whole pixels in black and white.
struct TextFit {
  int pixels;
  qreal condense;
  qreal width;
  bool closedUp;
  bool crisp;
};
TextFit fitOf(const QPainter& p, const QRectF& box, const QString& text, const QFont& font);

// The same with a shadow one pixel down and right, for letters on busy or coloured ground.
void drawFittedShadowed(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                        const QColor& colour, const QColor& shadow, qreal offset = 1.0);

// Japanese running text wrapped to the box width; the size steps down until the text fits the box height.
// Returns the height used.
qreal drawWrapped(QPainter& p, const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align,
                  int minPixels = 6, qreal lineSpacing = 1.15);
// The height drawWrapped would use, painting nothing.
qreal wrappedHeight(QPainter& p, const QRectF& box, const QString& text, const QFont& font, int minPixels = 6,
                    qreal lineSpacing = 1.15);

// A short text whose line starts at `topLeft`, ringed by a pixel of `ring` so that it reads on ground of any
// colour, light or dark.
void drawRinged(QPainter& p, QPointF topLeft, const QString& text, const QFont& font, const QColor& colour,
                const QColor& ring);

}  // namespace yunuri::assets
