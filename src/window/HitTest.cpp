// Which control a point falls on, in the window's z-order, and what the pointer looks like there.
#include <cstddef>

#include "window/Form1.h"

namespace yunuri {
namespace {

bool within(float x, float y, float left, float top, float width, float height) {
  return x >= left && x < left + width && y >= top && y < top + height;
}

}  // namespace

Target Form1::HitTest(int x, int y) const {
  if (x < 0 || y < 0 || x >= kWindowWidth || y >= kWindowHeight) return {};
  const auto fx = static_cast<float>(x);
  const auto fy = static_cast<float>(y);

  for (std::size_t z = kBoxesBottomFirst.size(); z-- > 0;) {
    const BoxId id = kBoxesBottomFirst[z];
    const PictureBox& box = Box(id);
    if (!box.Visible ||
        !within(fx, fy, box.Left, box.Top, static_cast<float>(box.Width), static_cast<float>(box.Height))) {
      continue;
    }
    if (id == BoxId::KABE) return {Target::Kind::Notice};
    for (int a = 0; a < kArrayCount; ++a) {
      const ArrayLayout& l = arrayLayout(static_cast<ArrayId>(a));
      if (l.container != Container::Box || l.box != id) continue;
      for (const Image& image : Elements(l.id)) {
        const Rect& r = image.bounds;
        if (within(fx - box.Left, fy - box.Top, static_cast<float>(r.left), static_cast<float>(r.top),
                   static_cast<float>(r.width), static_cast<float>(r.height))) {
          return {Target::Kind::Element, id, l.id, image.index};
        }
      }
    }
    return {Target::Kind::Box, id};
  }

  // The window's own images do not overlap one another.
  for (int a = 0; a < kArrayCount; ++a) {
    const auto id = static_cast<ArrayId>(a);
    if (arrayLayout(id).container != Container::Window) continue;
    for (const Image& image : Elements(id)) {
      if (image.bounds.contains(x, y)) return {Target::Kind::Element, BoxId::MET, id, image.index};
    }
  }
  return {Target::Kind::Background};
}

Pointer Form1::PointerAt(int x, int y) const {
  const Target t = HitTest(x, y);
  switch (t.kind) {
    case Target::Kind::Background:
      return Pointer::ClosedHand;
    case Target::Kind::Notice:
      return Pointer::PointingFinger;
    case Target::Kind::Element:
      return arrayLayout(t.array).isButton ? Pointer::PointingFinger : Pointer::Arrow;
    case Target::Kind::Box:
    case Target::Kind::Outside:
      return Pointer::Arrow;
  }
  return Pointer::Arrow;
}

std::optional<Target> Form1::HeldTarget() const {
  if (!input.held) return std::nullopt;
  return input.held->target;
}

bool Form1::Showing(ArrayId id, int index) const {
  const DirtyRect r = WindowRect(Element(id, index));
  const int x = static_cast<int>(r.left + r.width / 2);
  const int y = static_cast<int>(r.top + r.height / 2);
  const Target t = HitTest(x, y);
  return t.kind == Target::Kind::Element && t.array == id && t.index == index;
}

}  // namespace yunuri
