// What reads as checked.
#include "devices/Projectors.h"
#include "window/Form1.h"

namespace yunuri {
namespace {

bool warmingOrOn(Byte phase) {
  return phase >= kWarmUpStart && phase <= kProjectorOn;
}

}  // namespace

bool Form1::Checked(ArrayId id, int index) const {
  switch (CatalogueEntry(id, index).checked) {
    case CheckRule::None:
      return false;
    case CheckRule::SelectedSource:
      return state.MonitorSource == index;
    case CheckRule::Muted:
      return state.MuteOn != 0;
    case CheckRule::LeftProjectorOn:
      return warmingOrOn(state.LeftProjectorState);
    case CheckRule::LeftProjectorOff:
      return !warmingOrOn(state.LeftProjectorState);
    case CheckRule::RightProjectorOn:
      return warmingOrOn(state.RightProjectorState);
    case CheckRule::RightProjectorOff:
      return !warmingOrOn(state.RightProjectorState);
  }
  return false;
}

}  // namespace yunuri
