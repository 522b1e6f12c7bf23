#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "window/Form1.h"

namespace yunuri {

// Who gave an input. Focus follows into what a key or an accessible action opens, so that a keyboard's or a
// screen reader's user lands in it; a pointer's user sees what opened and keeps the focus where it was.
enum class InputWay : std::uint8_t { Pointer, KeyOrAction };

// Keyboard focus: the button it is on, whether its ring shows (only once the keyboard has been used) and
// where it is to go once the panel is ready for it. Drawing the ring and telling a screen reader are the
// window's.
class Focus {
 public:
  explicit Focus(const Form1& f) { see(f); }

  std::optional<ButtonRef> button() const { return at_; }
  bool ringShown() const { return ring_; }
  void showRing() { ring_ = true; }
  void hideRing() { ring_ = false; }

  // Moves the focus to `to`; none leaves it where it is. A key held on the button it leaves lets go as
  // cancelled, as a toolkit's button lets go when the focus leaves it.
  void moveTo(Form1& f, std::optional<ButtonRef> to);
  // An arrow key (dx, dy one of -1, 0, 1): the nearest button of the same area that way, if any; from no
  // button in view, the first or the last of the chain.
  void arrow(Form1& f, int dx, int dy);
  // After an input that came `by` a way, or after a tick (none): into a popup a key or an action opened, once
  // it has slid in; back to a closing popup's top button; to the selected source when the remote under the
  // focus leaves; to the nearest button in view when the focused one went out of sight; to the first top
  // button once a key or an action dismissed the notice. True when the focus moved.
  bool follow(Form1& f, std::optional<InputWay> by);
  // The panel started again: no focus, no ring, nothing to follow.
  void reset(const Form1& f);

 private:
  // Notes what is open now, so that the next input can tell what it opened.
  void see(const Form1& f);
  std::optional<ButtonRef> whereNext(const Form1& f);

  std::optional<ButtonRef> at_;
  bool ring_ = false;
  // A popup opened by a key or an action, whose first button takes the focus once it has slid in.
  std::optional<int> enterPopup_;
  // The notice went away by a key or an action: the first top button takes the focus.
  bool toFirst_ = false;
  std::array<bool, kPopupCount> wanted_{};
  bool noticeUp_ = false;
};

}  // namespace yunuri
