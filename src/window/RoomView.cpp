#include "window/RoomView.h"

#include "state/Projector.h"
#include "window/Form1.h"

namespace yunuri {

RoomView ViewOf(const Form1& f) {
  RoomView view;
  for (std::size_t side = 0; side < view.sides.size(); ++side) {
    RoomView::Side& s = view.sides[side];
    const Picture label = f.Element(ArrayId::MES, static_cast<int>(side)).picture;
    s.source = label.kind == Picture::Kind::Label ? label.index : 0;
    s.phase = f.state.*kProjectors[side].phase;
    s.answering = f.ProjectorAnswering(side);
  }
  view.monitorSource = f.state.MonitorSource;
  view.volume = f.state.VolumeLevel;
  view.muted = f.state.MuteOn != 0;
  return view;
}

}  // namespace yunuri
