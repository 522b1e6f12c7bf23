#include "input/Input.h"

#include <algorithm>
#include <array>

#include "audio/Volume.h"
#include "devices/Devices.h"
#include "devices/Popups.h"
#include "input/StartUp.h"
#include "routing/Routing.h"
#include "tick/Tick.h"

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

const Handlers& handlersOf(ArrayId id) {
  return kHandlers[static_cast<std::size_t>(id)];
}

Holder holderOf(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      return Holder::MouseLeft;
    case MouseButton::Right:
      return Holder::MouseRight;
    case MouseButton::Middle:
      return Holder::MouseMiddle;
    case MouseButton::Other:
      break;
  }
  return Holder::MouseOther;
}

// A mouse's left button, the keyboard and a finger click; the other buttons only press.
bool isPrimary(Holder h) {
  return h == Holder::MouseLeft || h == Holder::Key || h == Holder::Touch || h == Holder::Action;
}

bool byKeyOrAction(Holder h) {
  return h == Holder::Key || h == Holder::Action;
}

// Opening a popup is a press of its top button; closing is a release of its close button or a second press.
// Noting the order here keeps the handlers as they are.
void notePopups(Form1& f) {
  InputState& in = f.input;
  for (int k = 0; k < kPopupCount; ++k) {
    std::uint32_t& at = in.popupOpenedAt[static_cast<std::size_t>(k)];
    const bool wanted = PopupBytes(f.state, k).wanted == 1;
    if (wanted && at == 0) {
      at = ++in.openings;
      if (in.held && byKeyOrAction(in.held->holder)) in.enterPopup = k;
    } else if (!wanted) {
      at = 0;
      if (in.enterPopup == k) in.enterPopup.reset();
    }
  }
}

void press(Form1& f, const Target& t, Holder holder, int key = 0) {
  f.input.held = InputState::Press{t, holder, key};
  if (t.kind == Target::Kind::Element) {
    if (DownHandler down = handlersOf(t.array).down) down(f, t.index);
  }
  notePopups(f);
}

// Lets go of the held press. `clicksNotice` says whether a press held on the notice becomes its click.
void letGo(Form1& f, Release how, bool clicksNotice) {
  const InputState::Press held = *f.input.held;
  f.input.held.reset();
  f.input.releaseAfterTick = false;
  if (held.target.kind == Target::Kind::Notice) {
    if (how == Release::Normal && clicksNotice && isPrimary(held.holder)) {
      KABE_Click(f);
      f.input.focusToFirst = byKeyOrAction(held.holder);
    }
    return;
  }
  if (held.target.kind != Target::Kind::Element) return;
  if (UpHandler up = handlersOf(held.target.array).up) up(f, held.target.index, how);
  notePopups(f);
}

bool canPress(const Form1& f) {
  return !f.Ended() && !f.input.held;
}

void pressAt(Form1& f, int x, int y, Holder holder) {
  // One press at a time: a second button pressed while one is held belongs to the held press.
  if (!canPress(f)) return;
  const Target t = f.HitTest(x, y);
  if (t.kind == Target::Kind::Outside) return;
  press(f, t, holder);
}

void releaseAt(Form1& f, int x, int y, Holder holder) {
  if (f.Ended() || !f.input.held || f.input.held->holder != holder) return;
  letGo(f, Release::Normal, f.HitTest(x, y).kind == Target::Kind::Notice);
}

// The target a key or an action presses: the button itself, if a visitor can see it.
std::optional<Target> reachable(const Form1& f, ArrayId id, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= f.Elements(id).size() || !f.Showing(id, index)) {
    return std::nullopt;
  }
  const DirtyRect r = f.WindowRect(f.Element(id, index));
  return f.HitTest(static_cast<int>(r.left + r.width / 2), static_cast<int>(r.top + r.height / 2));
}

// Notes a press key going down; false for a key already down (its auto-repeat).
bool keyWentDown(Form1& f, int key) {
  std::vector<int>& down = f.input.keysDown;
  if (std::find(down.begin(), down.end(), key) != down.end()) return false;
  down.push_back(key);
  return true;
}

// Only a key that went down with no other key down may press: one that went down while another key was
// down, and so was refused, or held on after its press ended, presses nothing until it has come up.
bool keyMayPress(const Form1& f) {
  return f.input.keysDown.size() == 1 && canPress(f);
}

}  // namespace

void MouseDown(Form1& f, int x, int y, MouseButton button) {
  pressAt(f, x, y, holderOf(button));
}

void MouseUp(Form1& f, int x, int y, MouseButton button) {
  releaseAt(f, x, y, holderOf(button));
}

void TouchDown(Form1& f, int x, int y) {
  pressAt(f, x, y, Holder::Touch);
}

void TouchUp(Form1& f, int x, int y) {
  releaseAt(f, x, y, Holder::Touch);
}

void KeyDown(Form1& f, int key, ArrayId id, int index) {
  if (!keyWentDown(f, key) || !keyMayPress(f)) return;
  if (const std::optional<Target> t = reachable(f, id, index)) press(f, *t, Holder::Key, key);
}

void KeyDownOnNotice(Form1& f, int key) {
  if (keyWentDown(f, key) && keyMayPress(f) && f.NoticeUp())
    press(f, {Target::Kind::Notice}, Holder::Key, key);
}

void KeyUp(Form1& f, int key) {
  std::vector<int>& down = f.input.keysDown;
  down.erase(std::remove(down.begin(), down.end(), key), down.end());
  if (f.Ended() || !f.input.held || f.input.held->holder != Holder::Key || f.input.held->key != key) return;
  letGo(f, Release::Normal, true);
}

void KeysLost(Form1& f) {
  f.input.keysDown.clear();
  KeyPressLost(f);
}

void KeyPressLost(Form1& f) {
  if (f.Ended() || !f.input.held || f.input.held->holder != Holder::Key) return;
  letGo(f, Release::Cancelled, false);
}

bool Activate(Form1& f, ArrayId id, int index) {
  if (!canPress(f)) return false;
  const std::optional<Target> t = reachable(f, id, index);
  if (!t) return false;
  press(f, *t, Holder::Action);
  // The volume ramps while its button is held; a press and release between two ticks would not move it.
  const ButtonEntry& e = CatalogueEntry(id, index);
  if (f.input.held && e.kind == ButtonKind::Volume && e.checked == CheckRule::None) {
    f.input.releaseAfterTick = true;
    return true;
  }
  if (f.input.held) letGo(f, Release::Normal, true);
  return true;
}

bool DismissNotice(Form1& f) {
  if (!canPress(f) || !f.NoticeUp()) return false;
  press(f, {Target::Kind::Notice}, Holder::Action);
  letGo(f, Release::Normal, true);
  return true;
}

void TickDone(Form1& f) {
  if (f.Ended() || !f.input.releaseAfterTick || !f.input.held) return;
  letGo(f, Release::Normal, true);
}

void Tick(Form1& f) {
  Timer1_Timer(f);
  TickDone(f);
}

bool CloseTopPopup(Form1& f) {
  int top = -1;
  std::uint32_t latest = 0;
  for (int k = 0; k < kPopupCount; ++k) {
    const std::uint32_t at = f.input.popupOpenedAt[static_cast<std::size_t>(k)];
    if (at > latest) {
      latest = at;
      top = k;
    }
  }
  if (f.input.held && f.input.held->holder == Holder::Key) {
    KeyPressLost(f);
    return false;
  }
  if (top < 0 || !canPress(f)) return false;
  // The popup may still be sliding in with its close button out of sight: Esc closes it all the same.
  const ButtonRef close = CloseButtonOf(top);
  press(f, {Target::Kind::Element, arrayLayout(close.array).box, close.array, close.index}, Holder::Key);
  if (f.input.held) letGo(f, Release::Normal, true);
  return true;
}

void CaptureLost(Form1& f) {
  if (f.Ended() || !f.input.held) return;
  letGo(f, Release::Cancelled, false);
}

std::vector<ButtonRef> FocusChain(const Form1& f) {
  std::vector<ButtonRef> chain;
  for (const ButtonEntry& e : Catalogue()) {
    if (e.kind != ButtonKind::Label && f.Showing(e.array, e.index)) chain.push_back({e.array, e.index});
  }
  return chain;
}

std::optional<ButtonRef> NextFocus(const Form1& f, std::optional<ButtonRef> from, int step) {
  const std::vector<ButtonRef> chain = FocusChain(f);
  if (chain.empty()) return std::nullopt;
  const auto n = static_cast<std::ptrdiff_t>(chain.size());
  for (std::ptrdiff_t i = 0; from && i < n; ++i) {
    if (chain[static_cast<std::size_t>(i)] == *from) {
      return chain[static_cast<std::size_t>(((i + step) % n + n) % n)];
    }
  }
  return step >= 0 ? chain.front() : chain.back();
}

std::optional<ButtonRef> FocusToward(const Form1& f, ButtonRef from, int dx, int dy) {
  const DirtyRect a = f.WindowRect(f.Element(from.array, from.index));
  std::optional<ButtonRef> best;
  bool bestInBeam = false;
  float bestCost = 0;
  const Area group = CatalogueEntry(from.array, from.index).area;
  for (const ButtonRef& b : FocusChain(f)) {
    if (CatalogueEntry(b.array, b.index).area != group || b == from) continue;
    const DirtyRect r = f.WindowRect(f.Element(b.array, b.index));
    const float along = (r.left + r.width / 2 - a.left - a.width / 2) * static_cast<float>(dx) +
                        (r.top + r.height / 2 - a.top - a.height / 2) * static_cast<float>(dy);
    if (along <= 0) continue;
    const float across =
        dx != 0 ? r.top + r.height / 2 - a.top - a.height / 2 : r.left + r.width / 2 - a.left - a.width / 2;
    // A button level with this one (overlapping it across the way) wins over any off to the side, as on a
    // remote's rows or along the arc of sources; among the rest, straight ahead beats diagonal.
    const bool inBeam = dx != 0 ? r.top < a.top + a.height && a.top < r.top + r.height
                                : r.left < a.left + a.width && a.left < r.left + r.width;
    const float cost = along + 2 * (across < 0 ? -across : across);
    if (!best || (inBeam && !bestInBeam) || (inBeam == bestInBeam && cost < bestCost)) {
      best = b;
      bestInBeam = inBeam;
      bestCost = cost;
    }
  }
  return best;
}

}  // namespace yunuri
