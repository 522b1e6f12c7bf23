#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

namespace yunuri {

// The caption as a status line on the dark ground of full screen, under the panel: the title bar that holds
// it in a window is gone there, and the caption is the one thing that says what a press did.

// The band for the line in full screen: all the ground under `panel` in a widget of `size`, the text set in
// its middle.
QRect statusLineBand(QSize size, const QRect& panel);

// How tall a band the full screen keeps free under the panel for the line on a ground of `size`.
int statusLineReserve(QSize size);

// How the caption is set in a band: on one line, as large as fits, down to a floor that still reads from the
// back of the room; only below that floor on two lines, broken where a reader would break them. Never cut
// and never ellipsised.
struct StatusLineSetting {
  QFont font;
  QRect area;         // the band less its margins, where the text is set
  QStringList lines;  // one or two, each centred in the area
};
StatusLineSetting setStatusLine(const QString& text, const QRect& band);

// How wide `line` is set in `font`: its half-width voiced marks drawn against their letters.
qreal statusLineWidth(const QFont& font, QStringView line);

// Paints the caption in the band (the ground is already painted).
void paintStatusLine(QPainter& painter, const QRect& band, const QString& text);

// The dark ground the line stands on: around the panel in full screen, under the room's picture.
inline const QColor kStatusLineGround(20, 18, 17);

// The line lettered on its ground once for each text, size and ratio, so that its letters are smoothed
// against that ground as painted in place.
class LetteredStatusLine {
 public:
  const QImage& image(const QString& text, QSize size, qreal ratio);

 private:
  QImage image_;
  QString text_;
  QSize size_;
};

}  // namespace yunuri
