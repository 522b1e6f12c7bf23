// Mouse routing: which control a point falls on, in the window's z-order, and which handler a press or
// release of it runs. The element that takes a press keeps the mouse until the release.
#include <array>

#include "audio/Volume.h"
#include "devices/Devices.h"
#include "routing/Routing.h"
#include "window/Form1.h"
#include "window/StartUp.h"

namespace yunuri {
namespace {

using DownHandler = void (*)(Form1&, int);
using UpHandler = void (*)(Form1&, int, Release);

struct Handlers {
  DownHandler down;
  UpHandler up;
};

// Indexed by ArrayId. The source and top buttons act on the press only; the screen labels take the mouse but
// do nothing with it.
constexpr std::array<Handlers, kArrayCount> kHandlers = {{
    {SWm_MouseDown, nullptr},
    {SWu_MouseDown, nullptr},
    {SWv_MouseDown, SWv_MouseUp},
    {SWs_MouseDown, SWs_MouseUp},
    {nullptr, nullptr},
    {SWp1_MouseDown, SWp1_MouseUp},
    {SWp2_MouseDown, SWp2_MouseUp},
    {SWp3_MouseDown, SWp3_MouseUp},
    {SWr1_MouseDown, SWr1_MouseUp},
    {SWr2_MouseDown, SWr2_MouseUp},
    {SWr3_MouseDown, SWr3_MouseUp},
    {SWr4_MouseDown, SWr4_MouseUp},
}};

constexpr std::array<BoxId, kBoxCount> kBoxesTopFirst = {
    BoxId::KABE,   BoxId::Sousa5, BoxId::Sousa4, BoxId::Sousa3, BoxId::Sousa2, BoxId::Sousa1,
    BoxId::Sousa0, BoxId::POP2,   BoxId::POP1,   BoxId::POP0,   BoxId::MET,
};

constexpr std::array<ArrayId, 5> kWindowArrays = {ArrayId::SWm, ArrayId::SWu, ArrayId::SWv, ArrayId::SWs,
                                                  ArrayId::MES};

bool within(float x, float y, float left, float top, float width, float height) {
  return x >= left && x < left + width && y >= top && y < top + height;
}

const Handlers& handlersOf(ArrayId id) {
  return kHandlers[static_cast<std::size_t>(id)];
}

}  // namespace

Target Form1::HitTest(int x, int y) const {
  if (x < 0 || y < 0 || x >= kWindowWidth || y >= kWindowHeight) return {};
  const auto fx = static_cast<float>(x);
  const auto fy = static_cast<float>(y);

  for (BoxId id : kBoxesTopFirst) {
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

  for (ArrayId a : kWindowArrays) {
    for (const Image& image : Elements(a)) {
      if (image.bounds.contains(x, y)) return {Target::Kind::Element, BoxId::MET, a, image.index};
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
  if (!held_) return std::nullopt;
  return held_->target;
}

void Form1::MouseDown(int x, int y, MouseButton button) {
  // One press at a time: a second button pressed while one is held belongs to the held press.
  if (ended_ || held_) return;
  const Target t = HitTest(x, y);
  if (t.kind == Target::Kind::Outside) return;
  held_ = Held{t, button};
  if (t.kind == Target::Kind::Element) {
    if (DownHandler down = handlersOf(t.array).down) down(*this, t.index);
  }
}

void Form1::MouseUp(int x, int y, MouseButton button) {
  if (ended_ || !held_ || held_->button != button) return;
  if (held_->target.kind == Target::Kind::Notice) {
    held_.reset();
    // The notice's click: a primary press and release both on it.
    if (button == MouseButton::Left && HitTest(x, y).kind == Target::Kind::Notice) KABE_Click(*this);
    return;
  }
  LetGo(Release::Normal);
}

void Form1::CaptureLost() {
  if (ended_ || !held_) return;
  LetGo(Release::Cancelled);
}

void Form1::LetGo(Release how) {
  const Held held = *held_;
  held_.reset();
  if (held.target.kind != Target::Kind::Element) return;
  if (UpHandler up = handlersOf(held.target.array).up) up(*this, held.target.index, how);
}

}  // namespace yunuri
