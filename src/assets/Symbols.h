#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "window/Catalogue.h"

namespace yunuri::assets {

using yunuri::Symbol;

// Paints the symbol filled with `colour`, centred in `box`, scaled to its height.
void paintSymbol(QPainter& p, Symbol symbol, const QRectF& box, const QColor& colour);

}  // namespace yunuri::assets
