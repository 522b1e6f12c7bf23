#pragma once

#include <QPainter>
#include <QRectF>

#include "window/Sources.h"

namespace yunuri::assets {

// The small drawing of a device (desktop PC, notebook, camera, tape deck, disc...) that sits at the left of
// its source button; drawn in a 22 x 16 cell scaled to `box`. Drawing::None paints nothing.
void paintDevice(QPainter& p, Drawing drawing, const QRectF& box);

}  // namespace yunuri::assets
