#pragma once

#include <array>
#include <span>

#include "window/Picture.h"

namespace yunuri {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  constexpr int right() const { return left + width; }
  constexpr int bottom() const { return top + height; }
  constexpr bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

inline constexpr int kWindowWidth = 400;
inline constexpr int kWindowHeight = 300;

// The monitor source buttons on the arc, by source index; SWm(9) is two pixels larger than its siblings. In
// reach of the catalogue at compile time, which lists the sources in the order they are read here.
inline constexpr std::array<Rect, kSourceCount> kSourceButtons = {{
    {10, 60, 77, 19},
    {208, 36, 77, 19},
    {179, 60, 77, 19},
    {161, 84, 77, 19},
    {147, 108, 77, 19},
    {140, 132, 77, 19},
    {137, 156, 77, 19},
    {139, 180, 77, 19},
    {148, 204, 77, 19},
    {160, 228, 79, 21},
    {179, 252, 77, 19},
    {209, 276, 77, 19},
}};
static_assert([] {
  for (const Rect& r : kSourceButtons) {
    if (r.width == 0) return false;  // a source left out of the arc
  }
  return true;
}());

// Where a picture box sits when it is in view and when it is parked out of it. The remote panels move along
// x, the popups along y; MET and KABE do not move after start-up.
struct BoxLayout {
  BoxId id;
  int width;
  int height;
  int left;      // the Left start-up gives it
  int top;       // the Top start-up gives it
  int openLeft;  // in view
  int openTop;   // in view
  BasePicture picture;
};

const BoxLayout& boxLayout(BoxId id);

// The picture boxes from the bottom of the window's z-order up, all above the window's own images: the
// painter draws in this order and the hit test looks the other way.
inline constexpr std::array<BoxId, kBoxCount> kBoxesBottomFirst = {
    BoxId::MET,    BoxId::POP0,   BoxId::POP1,   BoxId::POP2,   BoxId::Sousa0, BoxId::Sousa1,
    BoxId::Sousa2, BoxId::Sousa3, BoxId::Sousa4, BoxId::Sousa5, BoxId::KABE,
};

// The container an image array lies on: the window itself, or one picture box.
enum class Container : std::uint8_t { Window, Box };
struct ArrayLayout {
  ArrayId id;
  Container container;
  BoxId box;                       // when container is Box
  std::span<const Rect> elements;  // bounds relative to the container
  bool isButton;                   // MES is a label, every other array a button array
};

const ArrayLayout& arrayLayout(ArrayId id);

// The size of the lit picture of button i (for MES: of label i). Equal to the element's size except for
// SWm(9), whose element is two pixels larger than its 77 x 19 picture.
Size litSize(ArrayId id, int index);

// The rectangle (relative to the container) at which the button is painted under its element, which is also
// where its lit picture shows: the element's top left at the picture's size.
Rect paintedRect(ArrayId id, int index);

}  // namespace yunuri
