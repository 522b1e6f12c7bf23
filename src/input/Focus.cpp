// Where keyboard focus goes, and when the panel moves under it.
#include "input/Focus.h"

#include "input/Input.h"
#include "window/Groups.h"

namespace yunuri {
namespace {

bool popupMoving(const Form1& f, int k) {
  return f.state.*kPopups[static_cast<std::size_t>(k)].moving == 1;
}

std::optional<ButtonRef> firstButtonOf(const Form1& f, int popup) {
  for (const ButtonRef& b : FocusChain(f)) {
    if (CatalogueEntry(b.array, b.index).area == kPopups[static_cast<std::size_t>(popup)].area) return b;
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

void Focus::moveTo(Form1& f, std::optional<ButtonRef> to) {
  if (to && to != at_) KeyPressLost(f);
  if (to) at_ = to;
}

void Focus::arrow(Form1& f, int dx, int dy) {
  if (at_ && f.Showing(at_->array, at_->index)) {
    moveTo(f, FocusToward(f, *at_, dx, dy));
  } else {
    moveTo(f, NextFocus(f, std::nullopt, dx + dy));
  }
}

bool Focus::follow(Form1& f, std::optional<InputWay> by) {
  if (by == InputWay::KeyOrAction) {
    for (int k = 0; k < kPopupCount; ++k) {
      if (PopupWanted(f, k) && !wanted_[static_cast<std::size_t>(k)]) enterPopup_ = k;
    }
    if (noticeUp_ && !f.NoticeUp()) toFirst_ = true;
  }
  see(f);
  const std::optional<ButtonRef> to = whereNext(f);
  if (to == at_) return false;
  moveTo(f, to);
  return true;
}

void Focus::reset(const Form1& f) {
  *this = Focus(f);
}

void Focus::see(const Form1& f) {
  for (int k = 0; k < kPopupCount; ++k) wanted_[static_cast<std::size_t>(k)] = PopupWanted(f, k);
  noticeUp_ = f.NoticeUp();
}

std::optional<ButtonRef> Focus::whereNext(const Form1& f) {
  if (f.NoticeUp() || f.Ended()) return at_;
  if (toFirst_) {
    toFirst_ = false;
    const std::vector<ButtonRef> chain = FocusChain(f);
    if (!chain.empty()) return chain.front();
  }
  if (enterPopup_) {
    const int k = *enterPopup_;
    if (!PopupWanted(f, k)) {
      enterPopup_.reset();
    } else if (!popupMoving(f, k)) {
      enterPopup_.reset();
      if (const std::optional<ButtonRef> first = firstButtonOf(f, k)) return first;
    }
  }
  if (!at_) return at_;
  const ButtonEntry& e = CatalogueEntry(at_->array, at_->index);
  const GroupEntry& g = GroupOf(GroupOfArea(e.area));
  // Closing a popup gives the focus back to the button that opened it, before the popup has slid away.
  if (g.popup >= 0 && !PopupWanted(f, g.popup)) return ButtonRef{ArrayId::SWu, g.popup};
  if (f.Showing(at_->array, at_->index)) return at_;
  // A popup sliding in or out passes over its own top button for a moment.
  if (at_->array == ArrayId::SWu && popupMoving(f, at_->index)) return at_;
  if (g.group == Group::Remote) {
    const ButtonRef selected{ArrayId::SWm, f.state.MonitorSource};
    if (f.Showing(selected.array, selected.index)) return selected;
  }
  return nearest(f, *at_);
}

}  // namespace yunuri
