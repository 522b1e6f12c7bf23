#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace yunuri::assets {

// Pieces shared by several pictures.

// Whether anything painted in `box` (the painter's coordinates, shadows and rims included) can show through
// the painter's clip. A picture painted mostly under something opaque skips the pieces that cannot show.
bool showsThrough(const QPainter& p, const QRectF& box);

// The maker's mark: a round emblem with sound waves and the word mark. `light` for dark ground.
void paintLogo(QPainter& p, const QRectF& box, bool light);

// A section heading: white letters on a dark brown tab with rounded ends.
void paintHeading(QPainter& p, const QRectF& box, const QString& text, int pixels = 10);

// A cream card with a soft rim, as the remote panels and the notice use.
void paintCard(QPainter& p, const QRectF& box, qreal radius);

// A drop shadow under a rounded rectangle.
void paintSoftShadow(QPainter& p, const QRectF& box, qreal radius, int spread = 4);

// A ring with a bar across it, top left to bottom right, in the painter's pen and brush: "none" (no
// connection, no sound), drawn with lines rather than letters so that it reads the same in every language.
void paintCrossedRing(QPainter& p, QPointF centre, qreal radius);

// A recessed slot: dark, with an inner shadow at the top and a light lip at the bottom.
void paintWell(QPainter& p, const QRectF& box, qreal radius, const QColor& fill);

}  // namespace yunuri::assets
