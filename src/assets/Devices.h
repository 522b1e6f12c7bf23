#pragma once

#include <QPainter>
#include <QRectF>

namespace yunuri::assets {

// The small drawing of source i's device (desktop PC, notebook, camera, tape deck, disc...) that sits at the
// left of its source button; drawn in a 22 x 16 cell scaled to `box`. Source 0 (video off) has none.
void paintDevice(QPainter& p, int source, const QRectF& box);

}  // namespace yunuri::assets
