#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <cstdint>

namespace yunuri::assets {

// The transport and direction symbols printed on the oval buttons.
enum class Symbol : std::uint8_t {
  Up,
  Down,
  Left,
  Right,
  Previous,
  Next,
  Rewind,
  FastForward,
  Play,
  Pause,
  Stop,
};

// Paints the symbol filled with `colour`, centred in `box`, scaled to its height.
void paintSymbol(QPainter& p, Symbol symbol, const QRectF& box, const QColor& colour);

}  // namespace yunuri::assets
