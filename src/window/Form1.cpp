#include "window/Form1.h"

#include <algorithm>
#include <utility>

namespace yunuri {
namespace {

template <std::size_t N>
void initArray(std::array<Image, N>& images, ArrayId id) {
  const auto& rects = arrayLayout(id).elements;
  for (std::size_t i = 0; i < N; ++i)
    images[i] = {id, static_cast<std::uint8_t>(i), rects[i], Picture::none()};
}

template <std::size_t N>
void initTwins(std::array<Picture, N>& twins, ArrayId id) {
  for (std::size_t i = 0; i < N; ++i) twins[i] = Picture::lit(id, static_cast<int>(i));
}

PictureBox makeBox(BoxId id) {
  const BoxLayout& l = boxLayout(id);
  return {id,   static_cast<float>(l.left), static_cast<float>(l.top), l.width, l.height,
          true, Picture::base(l.picture)};
}

}  // namespace

Form1::Form1(App& app)
    : KABE(makeBox(BoxId::KABE)),
      Sousa{makeBox(BoxId::Sousa0), makeBox(BoxId::Sousa1), makeBox(BoxId::Sousa2),
            makeBox(BoxId::Sousa3), makeBox(BoxId::Sousa4), makeBox(BoxId::Sousa5)},
      POP{makeBox(BoxId::POP0), makeBox(BoxId::POP1), makeBox(BoxId::POP2)},
      MET(makeBox(BoxId::MET)),
      app_(app),
      caption_(kTitle) {
  initArray(SWm, ArrayId::SWm);
  initArray(SWu, ArrayId::SWu);
  initArray(SWv, ArrayId::SWv);
  initArray(SWs, ArrayId::SWs);
  initArray(MES, ArrayId::MES);
  initArray(SWp1, ArrayId::SWp1);
  initArray(SWp2, ArrayId::SWp2);
  initArray(SWp3, ArrayId::SWp3);
  initArray(SWr1, ArrayId::SWr1);
  initArray(SWr2, ArrayId::SWr2);
  initArray(SWr3, ArrayId::SWr3);
  initArray(SWr4, ArrayId::SWr4);

  initTwins(SWmd, ArrayId::SWm);
  initTwins(SWud, ArrayId::SWu);
  initTwins(SWvd, ArrayId::SWv);
  SWsd = Picture::lit(ArrayId::SWs, 0);
  for (std::size_t i = 0; i < MESd.size(); ++i) MESd[i] = Picture::label(static_cast<int>(i));
  initTwins(SWp1d, ArrayId::SWp1);
  initTwins(SWp2d, ArrayId::SWp2);
  initTwins(SWp3d, ArrayId::SWp3);
  initTwins(SWr1d, ArrayId::SWr1);
  initTwins(SWr2d, ArrayId::SWr2);
  initTwins(SWr3d, ArrayId::SWr3);
  initTwins(SWr4d, ArrayId::SWr4);

  // As the window is created: video off is the selected source and both screens read 映像OFF.
  SWm[0].picture = SWmd[0];
  MES[0].picture = MESd[0];
  MES[1].picture = MESd[0];
}

void Form1::SetCaption(std::string_view text) {
  if (caption_ == text) return;
  caption_ = text;
  captionChanged_ = true;
}

std::span<Image> Form1::Elements(ArrayId id) {
  switch (id) {
    case ArrayId::SWm:
      return SWm;
    case ArrayId::SWu:
      return SWu;
    case ArrayId::SWv:
      return SWv;
    case ArrayId::SWs:
      return SWs;
    case ArrayId::MES:
      return MES;
    case ArrayId::SWp1:
      return SWp1;
    case ArrayId::SWp2:
      return SWp2;
    case ArrayId::SWp3:
      return SWp3;
    case ArrayId::SWr1:
      return SWr1;
    case ArrayId::SWr2:
      return SWr2;
    case ArrayId::SWr3:
      return SWr3;
    case ArrayId::SWr4:
      return SWr4;
  }
  return {};
}

std::span<const Image> Form1::Elements(ArrayId id) const {
  return const_cast<Form1*>(this)->Elements(id);
}

Picture Form1::Twin(ArrayId id, int index) const {
  const auto i = static_cast<std::size_t>(index);
  switch (id) {
    case ArrayId::SWm:
      return SWmd[i];
    case ArrayId::SWu:
      return SWud[i];
    case ArrayId::SWv:
      return SWvd[i];
    case ArrayId::SWs:
      return SWsd;
    case ArrayId::MES:
      return MESd[i];
    case ArrayId::SWp1:
      return SWp1d[i];
    case ArrayId::SWp2:
      return SWp2d[i];
    case ArrayId::SWp3:
      return SWp3d[i];
    case ArrayId::SWr1:
      return SWr1d[i];
    case ArrayId::SWr2:
      return SWr2d[i];
    case ArrayId::SWr3:
      return SWr3d[i];
    case ArrayId::SWr4:
      return SWr4d[i];
  }
  return Picture::none();
}

PictureBox& Form1::Box(BoxId id) {
  switch (id) {
    case BoxId::MET:
      return MET;
    case BoxId::POP0:
      return POP[0];
    case BoxId::POP1:
      return POP[1];
    case BoxId::POP2:
      return POP[2];
    case BoxId::KABE:
      return KABE;
    default:
      return Sousa[static_cast<std::size_t>(id) - static_cast<std::size_t>(BoxId::Sousa0)];
  }
}

const PictureBox& Form1::Box(BoxId id) const {
  return const_cast<Form1*>(this)->Box(id);
}

void Form1::SetPicture(Image& image, Picture picture) {
  if (image.picture == picture) return;
  image.picture = picture;
  MarkDirty(WindowRect(image));
}

void Form1::SetLeft(PictureBox& box, float left) {
  if (box.Left == left) return;
  if (box.Visible) MarkDirty(WindowRect(box));
  box.Left = left;
  if (box.Visible) MarkDirty(WindowRect(box));
}

void Form1::SetTop(PictureBox& box, float top) {
  if (box.Top == top) return;
  if (box.Visible) MarkDirty(WindowRect(box));
  box.Top = top;
  if (box.Visible) MarkDirty(WindowRect(box));
}

void Form1::SetVisible(PictureBox& box, bool visible) {
  if (box.Visible == visible) return;
  box.Visible = visible;
  MarkDirty(WindowRect(box));
}

void Form1::MeterChanged() {
  MarkDirty(WindowRect(MET));
}

DirtyRect Form1::WindowRect(const PictureBox& box) const {
  return {box.Left, box.Top, static_cast<float>(box.Width), static_cast<float>(box.Height)};
}

DirtyRect Form1::WindowRect(const Image& image) const {
  const ArrayLayout& l = arrayLayout(image.array);
  auto x = static_cast<float>(image.bounds.left);
  auto y = static_cast<float>(image.bounds.top);
  if (l.container == Container::Box) {
    const PictureBox& box = Box(l.box);
    x += box.Left;
    y += box.Top;
  }
  return {x, y, static_cast<float>(image.bounds.width), static_cast<float>(image.bounds.height)};
}

void Form1::MarkDirty(const DirtyRect& r) {
  // Only what can show on the client area needs repainting.
  const float right = std::min(r.left + r.width, static_cast<float>(kWindowWidth));
  const float bottom = std::min(r.top + r.height, static_cast<float>(kWindowHeight));
  const float left = std::max(r.left, 0.0F);
  const float top = std::max(r.top, 0.0F);
  if (right <= left || bottom <= top) return;
  dirty_.push_back({left, top, right - left, bottom - top});
}

std::vector<DirtyRect> Form1::TakeDirty() {
  std::vector<DirtyRect> out;
  out.swap(dirty_);
  return out;
}

bool Form1::TakeCaptionChanged() {
  return std::exchange(captionChanged_, false);
}

void Form1::StartFrom(const Form1& fresh) {
  state = fresh.state;
  SWm = fresh.SWm;
  SWu = fresh.SWu;
  SWv = fresh.SWv;
  SWs = fresh.SWs;
  MES = fresh.MES;
  SWp1 = fresh.SWp1;
  SWp2 = fresh.SWp2;
  SWp3 = fresh.SWp3;
  SWr1 = fresh.SWr1;
  SWr2 = fresh.SWr2;
  SWr3 = fresh.SWr3;
  SWr4 = fresh.SWr4;
  SWmd = fresh.SWmd;
  SWud = fresh.SWud;
  SWvd = fresh.SWvd;
  SWsd = fresh.SWsd;
  MESd = fresh.MESd;
  SWp1d = fresh.SWp1d;
  SWp2d = fresh.SWp2d;
  SWp3d = fresh.SWp3d;
  SWr1d = fresh.SWr1d;
  SWr2d = fresh.SWr2d;
  SWr3d = fresh.SWr3d;
  SWr4d = fresh.SWr4d;
  KABE = fresh.KABE;
  Sousa = fresh.Sousa;
  POP = fresh.POP;
  MET = fresh.MET;
  METDrawing = fresh.METDrawing;
  Timer1 = fresh.Timer1;
  input = fresh.input;
  SetCaption(fresh.caption_);
  ended_ = false;
  dirty_.clear();
  MarkDirty({0, 0, static_cast<float>(kWindowWidth), static_cast<float>(kWindowHeight)});
}

void Form1::End() {
  if (ended_) return;
  ended_ = true;
  input.held.reset();
  app_.End();
}

}  // namespace yunuri
