#include "window/Told.h"

#include "window/Form1.h"

namespace yunuri {

std::vector<ButtonRef> Told::checkedChanges(const Form1& f) {
  const std::span<const ButtonEntry> all = Catalogue();
  checked_.resize(all.size(), false);
  std::vector<ButtonRef> changed;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const ButtonEntry& e = all[i];
    if (e.checked == CheckRule::None) continue;
    const bool now = f.Checked(e.array, e.index);
    if (now == checked_[i]) continue;
    checked_[i] = now;
    changed.push_back({e.array, e.index});
  }
  return changed;
}

bool Told::meterChanged(const Form1& f) {
  if (volume_ == f.state.VolumeLevel && mute_ == f.state.MuteOn) return false;
  volume_ = f.state.VolumeLevel;
  mute_ = f.state.MuteOn;
  return true;
}

}  // namespace yunuri
