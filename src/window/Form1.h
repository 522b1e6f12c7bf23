#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/PanelState.h"
#include "window/App.h"
#include "window/Catalogue.h"
#include "window/Controls.h"
#include "window/Layout.h"
#include "window/Picture.h"
#include "window/ProjectorDrive.h"
#include "window/Tr.h"

namespace yunuri {

inline constexpr std::string_view kTitle = YUNURI_TR("Panel", "ゆぬり～");

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

// What holds the press in progress: a mouse button, a key, a finger or an accessible action. Only the holder
// of a press can release it, so a key going up never lets go of a mouse press and a lifted finger never of a
// key's.
enum class Holder : std::uint8_t { MouseLeft, MouseRight, MouseMiddle, MouseOther, Key, Touch, Action };

// What the input path keeps between events: the press in progress (its target captures the release), the
// keys physically down and the order in which the popups were opened (which decides the popup Esc closes).
struct InputState {
  struct Press {
    Target target;
    Holder holder;
    int key = 0;  // for a key's press: the key that holds it
  };
  std::optional<Press> held;
  std::vector<int> keysDown;  // the platform's codes of the press keys down now, in the order they went down
  std::array<std::uint32_t, kPopupCount> popupOpenedAt{};  // 0 while the popup is not wanted open
  std::uint32_t openings = 0;
  // An action's press of a ramp button lasts until a tick has stepped it.
  bool releaseAfterTick = false;
};

// What a loaded window holds: the state record, every control, the meter's drawing, the tick and the input
// path's state, and the caption. Starting again assigns a freshly loaded one whole, so nothing added here can
// be left over from the last visitor.
class FormContents {
 public:
  PanelState state;
  MeterCanvas METDrawing;
  Timer Timer1;
  InputState input;

 protected:
  std::array<Image, kElementCount> elements_;  // array after array, see kArrayStarts
  std::array<PictureBox, kBoxCount> boxes_;    // by BoxId
  std::string caption_;
  bool ended_ = false;
};

// The window as data. Handlers change it through the methods below so that what they touch is recorded for
// repainting.
class Form1 : public FormContents {
 public:
  explicit Form1(App& app);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view text);

  // The control arrays: element i of array `id`.
  std::span<Image> Elements(ArrayId id) {
    return std::span(elements_).subspan(start(id), static_cast<std::size_t>(arraySize(id)));
  }
  std::span<const Image> Elements(ArrayId id) const {
    return std::span(elements_).subspan(start(id), static_cast<std::size_t>(arraySize(id)));
  }
  Image& Element(ArrayId id, int index) { return Elements(id)[static_cast<std::size_t>(index)]; }
  const Image& Element(ArrayId id, int index) const { return Elements(id)[static_cast<std::size_t>(index)]; }
  // The lit picture of button i. Both send buttons light with the one picture; a screen label's is the label
  // of source i.
  static constexpr Picture Twin(ArrayId id, int index) {
    if (id == ArrayId::SWs) return Picture::lit(id, 0);
    if (id == ArrayId::MES) return MESd(index);
    return Picture::lit(id, index);
  }
  // What a screen label shows while the screen gets source i.
  static constexpr Picture MESd(int source) { return Picture::label(source); }

  PictureBox& Box(BoxId id) { return boxes_[static_cast<std::size_t>(id)]; }
  const PictureBox& Box(BoxId id) const { return boxes_[static_cast<std::size_t>(id)]; }
  PictureBox& KABE() { return Box(BoxId::KABE); }
  const PictureBox& KABE() const { return Box(BoxId::KABE); }
  PictureBox& MET() { return Box(BoxId::MET); }
  const PictureBox& MET() const { return Box(BoxId::MET); }
  PictureBox& POP(int k) { return Box(kPopBoxes[static_cast<std::size_t>(k)]); }
  const PictureBox& POP(int k) const { return Box(kPopBoxes[static_cast<std::size_t>(k)]); }
  PictureBox& Sousa(int i) { return Box(kSousaBoxes[static_cast<std::size_t>(i)]); }
  const PictureBox& Sousa(int i) const { return Box(kSousaBoxes[static_cast<std::size_t>(i)]); }

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

  // What lies under a point, topmost first, and the pointer shown there. Coordinates are window client
  // pixels.
  Target HitTest(int x, int y) const;
  Pointer PointerAt(int x, int y) const;
  // Whether a visitor can see and reach element i: nothing lies over its centre and it is not clipped away.
  bool Showing(ArrayId id, int index) const;
  bool Holding() const { return input.held.has_value(); }
  std::optional<Target> HeldTarget() const;

  // Whether the start-up notice still covers the panel.
  bool NoticeUp() const { return KABE().Visible; }
  // Whether a button reads as checked, by its rule in the catalogue.
  bool Checked(ArrayId id, int index) const;

  // Takes over all that `fresh` (a window just loaded) holds, marks the whole window for repainting and runs
  // on if it had ended. A caption that differs is reported as changed, as after any press.
  void StartFrom(const Form1& fresh);

  // The program's end, through the platform. Once ended, no event or tick is processed.
  void End();
  bool Ended() const { return ended_; }
  App& app() { return app_; }
  // A projector the room file attaches, or nothing while the projector on that side is simulated. The drive
  // outlives the window and stays attached when the panel starts again.
  void Attach(std::size_t side, ProjectorDrive* drive) { drives_.at(side) = drive; }
  ProjectorDrive* Attached(std::size_t side) const { return drives_.at(side); }
  // Whether the projector on that side can be reached: false while its buttons show that it does not answer.
  bool ProjectorAnswering(std::size_t side) const;

  // What changed since the last call: the rectangles to repaint and the caption. The shell tells the screen
  // and screen readers.
  std::vector<DirtyRect> TakeDirty();
  bool TakeCaptionChanged();

 private:
  static std::size_t start(ArrayId id) {
    return static_cast<std::size_t>(kArrayStarts[static_cast<std::size_t>(id)]);
  }
  void MarkDirty(const DirtyRect& r);

  // Not the window's contents: the platform, and what the screen and screen readers have yet to be told or
  // were told last. Whatever start-up sets belongs in FormContents.
  App& app_;
  std::array<ProjectorDrive*, 2> drives_{};
  bool captionChanged_ = false;
  std::vector<DirtyRect> dirty_;
};

}  // namespace yunuri
