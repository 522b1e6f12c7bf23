#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/PanelState.h"
#include "window/App.h"
#include "window/Controls.h"
#include "window/Layout.h"
#include "window/Picture.h"

namespace yunuri {

inline constexpr std::string_view kTitle = "ゆぬり～";

enum class MouseButton : std::uint8_t { Left, Right, Middle, Other };

// What lies under a point of the window, topmost first.
struct Target {
  enum class Kind : std::uint8_t {
    Outside,     // not on the client area
    Background,  // the window's own picture, off every element
    Box,         // inside a picture box, off its elements
    Element,     // an image element (a button or a screen label)
    Notice,      // the start-up notice KABE
  };
  Kind kind = Kind::Outside;
  BoxId box = BoxId::MET;        // for Box
  ArrayId array = ArrayId::SWm;  // for Element
  int index = 0;                 // for Element
  friend bool operator==(const Target&, const Target&) = default;
};

enum class Pointer : std::uint8_t { Arrow, ClosedHand, PointingFinger };

// How a held button lets go: by the user's release, or because the window lost the mouse while it was held.
enum class Release : std::uint8_t { Normal, Cancelled };

// The window as data: the panel state, the caption and every control. Handlers change it through the methods
// below so that what they touch is recorded for repainting.
class Form1 {
 public:
  explicit Form1(App& app);

  PanelState state;

  // Image control arrays and their twins of lit pictures.
  std::array<Image, 12> SWm;
  std::array<Image, 3> SWu;
  std::array<Image, 3> SWv;
  std::array<Image, 2> SWs;
  std::array<Image, 2> MES;
  std::array<Image, 5> SWp1;
  std::array<Image, 10> SWp2;
  std::array<Image, 2> SWp3;
  std::array<Image, 16> SWr1;
  std::array<Image, 5> SWr2;
  std::array<Image, 14> SWr3;
  std::array<Image, 8> SWr4;

  std::array<Picture, 12> SWmd;
  std::array<Picture, 3> SWud;
  std::array<Picture, 3> SWvd;
  Picture SWsd;  // one lit picture for both send buttons
  std::array<Picture, 12> MESd;
  std::array<Picture, 5> SWp1d;
  std::array<Picture, 10> SWp2d;
  std::array<Picture, 2> SWp3d;
  std::array<Picture, 16> SWr1d;
  std::array<Picture, 5> SWr2d;
  std::array<Picture, 14> SWr3d;
  std::array<Picture, 8> SWr4d;

  // Picture boxes.
  PictureBox KABE;
  std::array<PictureBox, 6> Sousa;
  std::array<PictureBox, 3> POP;
  PictureBox MET;
  MeterCanvas METDrawing;

  Timer Timer1;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view text);

  // Generic access to the control arrays.
  std::span<Image> Elements(ArrayId id);
  std::span<const Image> Elements(ArrayId id) const;
  Image& Element(ArrayId id, int index) { return Elements(id)[static_cast<std::size_t>(index)]; }
  const Image& Element(ArrayId id, int index) const { return Elements(id)[static_cast<std::size_t>(index)]; }
  // The lit picture of button i (the picture of element i of the twin array).
  Picture Twin(ArrayId id, int index) const;
  PictureBox& Box(BoxId id);
  const PictureBox& Box(BoxId id) const;

  // The lit-picture convention: light gives the element its twin's picture, clear gives it no picture.
  void Light(ArrayId id, int index) { SetPicture(Element(id, index), Twin(id, index)); }
  void Clear(ArrayId id, int index) { SetPicture(Element(id, index), Picture::none()); }
  void SetPicture(Image& image, Picture picture);
  void SetLeft(PictureBox& box, float left);
  void SetTop(PictureBox& box, float top);
  void SetVisible(PictureBox& box, bool visible);
  // Call after drawing on METDrawing.
  void MeterChanged();

  // Geometry in window coordinates, unclipped.
  DirtyRect WindowRect(const PictureBox& box) const;
  DirtyRect WindowRect(const Image& image) const;

  // Mouse routing. Coordinates are window client pixels.
  Target HitTest(int x, int y) const;
  Pointer PointerAt(int x, int y) const;
  void MouseDown(int x, int y, MouseButton button);
  void MouseUp(int x, int y, MouseButton button);
  // The window lost the mouse while a press was held: the held element lets go as by a cancelled release.
  void CaptureLost();
  bool Holding() const { return held_.has_value(); }
  std::optional<Target> HeldTarget() const;

  // The program's end, through the platform. Once ended, no event or tick is processed.
  void End();
  bool Ended() const { return ended_; }
  App& app() { return app_; }

  // What changed since the last call, for the shell to repaint.
  std::vector<DirtyRect> TakeDirty();
  bool TakeCaptionChanged();

 private:
  struct Held {
    Target target;
    MouseButton button;
  };

  void MarkDirty(const DirtyRect& r);
  void LetGo(Release how);

  App& app_;
  std::string caption_;
  bool captionChanged_ = false;
  std::vector<DirtyRect> dirty_;
  std::optional<Held> held_;
  bool ended_ = false;
};

}  // namespace yunuri
