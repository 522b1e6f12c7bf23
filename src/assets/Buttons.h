#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "assets/Symbols.h"
#include "assets/Text.h"
#include "window/Catalogue.h"

namespace yunuri::assets {

using yunuri::Finish;
using yunuri::Shape;

// What is printed on a button: a caption, or a symbol when `text` is empty.
struct Face {
  Shape shape;
  Finish finish;
  QString text;
  Symbol symbol = Symbol::Play;
  int pixels = 9;  // caption size
  // The caption as set on the button when that differs from its words: Japanese broken into lines ('\n'),
  // where a break is no space between words.
  QString lines = {};

  const QString& printed() const { return lines.isEmpty() ? text : lines; }
};

// The face of element i of a button array, as the catalogue has it.
Face buttonFace(ArrayId id, int index);

// The one function that paints a button, unlit into the artwork under its element and lit into its twin's
// picture, always at paintedRect's size, so that the two cannot drift apart. Paints nothing outside the
// shape.
void paintButton(QPainter& p, ArrayId id, int index, const QRectF& box, bool lit);

// How the caption of element i is set on a button painted into `box` by `p` (its room is the shape's, less
// the rim): the check that every caption, in every language, fits its button.
TextFit captionFit(const QPainter& p, ArrayId id, int index, const QRectF& box);

// The soft shadow that seats a button in the artwork around it (never part of a lit picture).
void paintButtonShadow(QPainter& p, ArrayId id, int index, const QRectF& box);

// Paints every button of the arrays lying on `onWindow ? the window : box`, unlit, with shadows.
void paintButtonsOn(QPainter& p, bool onWindow, BoxId box);

// One button alone on a transparent image of its lit size at the given device pixel ratio.
QImage renderButton(ArrayId id, int index, bool lit, qreal devicePixelRatio);
// The same button greyed, with a mark saying that the equipment behind it does not answer.
QImage renderUnlinkedButton(ArrayId id, int index, qreal devicePixelRatio);

}  // namespace yunuri::assets
