#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace yunuri {

// The caption as a status line on the dark ground of full screen, under the panel: the title bar that holds
// it in a window is gone there, and the caption is the one thing that says what a press did.

// The band for the line in full screen: all the ground under `panel` in a widget of `size`, the text set in
// its middle.
QRect statusLineBand(QSize size, const QRect& panel);

// How tall a band the full screen keeps free under the panel for the line on a ground of `size`.
int statusLineReserve(QSize size);

// How the caption is set in a band: the largest size at which it fits whole, on one line or else on two.
// Never cut and never ellipsised.
struct StatusLineSetting {
  QFont font;
  int flags = 0;  // Qt::AlignmentFlag and Qt::TextFlag for QPainter::drawText
  QRect area;     // the band less its margins, where the text is set
};
StatusLineSetting setStatusLine(const QString& text, const QRect& band);

// Paints the caption in the band (the ground is already painted).
void paintStatusLine(QPainter& painter, const QRect& band, const QString& text);

}  // namespace yunuri
