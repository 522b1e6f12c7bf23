// Where keyboard focus goes when the panel moves under it.
#include "input/Input.h"
#include "window/Groups.h"

namespace yunuri {
namespace {

bool popupMoving(const Form1& f, int k) {
  PanelState s = f.state;
  return PopupBytes(s, k).moving == 1;
}

std::optional<ButtonRef> firstButtonOf(const Form1& f, int popup) {
  const auto g = static_cast<Group>(static_cast<int>(Group::PowerPopup) + popup);
  for (const ButtonRef& b : FocusChain(f)) {
    if (GroupOfArea(CatalogueEntry(b.array, b.index).area) == g) return b;
  }
  return std::nullopt;
}

std::optional<ButtonRef> nearest(const Form1& f, ButtonRef from) {
  const DirtyRect a = f.WindowRect(f.Element(from.array, from.index));
  std::optional<ButtonRef> best;
  float bestDistance = 0;
  for (const ButtonRef& b : FocusChain(f)) {
    const DirtyRect r = f.WindowRect(f.Element(b.array, b.index));
    const float dx = r.left + r.width / 2 - a.left - a.width / 2;
    const float dy = r.top + r.height / 2 - a.top - a.height / 2;
    const float d = dx * dx + dy * dy;
    if (!best || d < bestDistance) {
      best = b;
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace

std::optional<ButtonRef> FocusFollow(Form1& f, std::optional<ButtonRef> focus) {
  InputState& in = f.input;
  if (f.NoticeUp() || f.Ended()) return focus;
  if (in.focusToFirst) {
    in.focusToFirst = false;
    const std::vector<ButtonRef> chain = FocusChain(f);
    if (!chain.empty()) return chain.front();
  }
  if (in.enterPopup) {
    const int k = *in.enterPopup;
    if (!PopupWanted(f, k)) {
      in.enterPopup.reset();
    } else if (!popupMoving(f, k)) {
      in.enterPopup.reset();
      if (const std::optional<ButtonRef> first = firstButtonOf(f, k)) return first;
    }
  }
  if (!focus) return focus;
  const ButtonEntry& e = CatalogueEntry(focus->array, focus->index);
  const GroupEntry& g = GroupOf(GroupOfArea(e.area));
  // Closing a popup gives the focus back to the button that opened it, before the popup has slid away.
  if (g.popup >= 0 && !PopupWanted(f, g.popup)) return ButtonRef{ArrayId::SWu, g.popup};
  if (f.Showing(focus->array, focus->index)) return focus;
  // A popup sliding in or out passes over its own top button for a moment.
  if (focus->array == ArrayId::SWu && popupMoving(f, focus->index)) return focus;
  if (g.group == Group::Remote) {
    const ButtonRef selected{ArrayId::SWm, f.state.MonitorSource};
    if (f.Showing(selected.array, selected.index)) return selected;
  }
  return nearest(f, *focus);
}

}  // namespace yunuri
