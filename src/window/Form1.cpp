#include "window/Form1.h"

#include <algorithm>
#include <utility>

#include "state/Projector.h"

namespace yunuri {
namespace {

PictureBox makeBox(BoxId id) {
  const BoxLayout& l = boxLayout(id);
  return {id,   static_cast<float>(l.left), static_cast<float>(l.top), l.width, l.height,
          true, Picture::base(l.picture)};
}

}  // namespace

Form1::Form1(App& app) : app_(app) {
  for (int a = 0; a < kArrayCount; ++a) {
    const auto id = static_cast<ArrayId>(a);
    const std::span<const Rect> rects = arrayLayout(id).elements;
    std::span<Image> images = Elements(id);
    for (std::size_t i = 0; i < images.size(); ++i)
      images[i] = {id, static_cast<std::uint8_t>(i), rects[i], Picture::none()};
  }
  for (BoxId id : kBoxesBottomFirst) Box(id) = makeBox(id);
  caption_ = kTitle;

  // As the window is created: video off is the selected source and both screens read 映像OFF.
  Element(ArrayId::SWm, 0).picture = Twin(ArrayId::SWm, 0);
  Element(ArrayId::MES, 0).picture = MESd(0);
  Element(ArrayId::MES, 1).picture = MESd(0);
}

void Form1::SetCaption(std::string_view text) {
  if (caption_ == text) return;
  caption_ = text;
  captionChanged_ = true;
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
  MarkDirty(WindowRect(MET()));
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
  const bool captionDiffers = caption_ != fresh.caption_;
  static_cast<FormContents&>(*this) = fresh;
  captionChanged_ = captionChanged_ || captionDiffers;
  dirty_.clear();
  MarkDirty({0, 0, static_cast<float>(kWindowWidth), static_cast<float>(kWindowHeight)});
}

bool Form1::ProjectorAnswering(std::size_t side) const {
  // The buttons' pictures are the one record of it, so repainting follows a change and starting again clears
  // it.
  const Projector& p = kProjectors.at(side);
  return Element(ArrayId::SWp1, p.onButton).picture.kind != Picture::Kind::Unlinked;
}

void Form1::End() {
  if (ended_) return;
  ended_ = true;
  input.held.reset();
  app_.End();
}

}  // namespace yunuri
