// What reads as checked, and what a screen reader has not yet been told.
#include "state/Projector.h"
#include "window/Form1.h"

namespace yunuri {

bool Form1::Checked(ArrayId id, int index) const {
  switch (CatalogueEntry(id, index).checked) {
    case CheckRule::None:
      return false;
    case CheckRule::SelectedSource:
      return state.MonitorSource == index;
    case CheckRule::Muted:
      return state.MuteOn != 0;
    case CheckRule::LeftProjectorOn:
      return projector::HeadingOn(state.LeftProjectorState);
    case CheckRule::LeftProjectorOff:
      return !projector::HeadingOn(state.LeftProjectorState);
    case CheckRule::RightProjectorOn:
      return projector::HeadingOn(state.RightProjectorState);
    case CheckRule::RightProjectorOff:
      return !projector::HeadingOn(state.RightProjectorState);
  }
  return false;
}

std::vector<ButtonRef> Form1::TakeCheckedChanges() {
  const std::span<const ButtonEntry> all = Catalogue();
  toldChecked_.resize(all.size(), false);
  std::vector<ButtonRef> changed;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const ButtonEntry& e = all[i];
    if (e.checked == CheckRule::None) continue;
    const bool now = Checked(e.array, e.index);
    if (now == toldChecked_[i]) continue;
    toldChecked_[i] = now;
    changed.push_back({e.array, e.index});
  }
  return changed;
}

bool Form1::TakeMeterChanged() {
  if (toldVolume_ == state.VolumeLevel && toldMute_ == state.MuteOn) return false;
  toldVolume_ = state.VolumeLevel;
  toldMute_ = state.MuteOn;
  return true;
}

}  // namespace yunuri
