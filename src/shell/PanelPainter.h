#pragma once

#include <QPainter>

#include "assets/PictureCache.h"
#include "window/Form1.h"

namespace yunuri {

// Draws the window as its controls say: the background, the images on the window, then the picture boxes from
// the bottom of the z-order to the top, each clipped to itself. Only what meets `area` is drawn.
void paintPanel(QPainter& painter, const Form1& form, assets::PictureCache& cache, qreal devicePixelRatio,
                const QRectF& area);

}  // namespace yunuri
