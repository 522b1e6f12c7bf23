// What reads as checked.
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

}  // namespace yunuri
