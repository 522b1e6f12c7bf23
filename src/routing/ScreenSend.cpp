#include "devices/SimulatedProjector.h"
#include "routing/Routing.h"

namespace yunuri {

void SWs_MouseDown(Form1& f, int Index) {
  if (Index < 0 || Index > 1) return;
  const auto screen = static_cast<std::size_t>(Index);
  f.Light(ArrayId::SWs, Index);
  // The label follows the send whatever the projector is doing; only the report differs.
  f.SetPicture(f.Element(ArrayId::MES, Index), f.MESd(f.state.MonitorSource));
  DriveOf(f, screen).Send(f, screen, f.state.MonitorSource);
}

void SWs_MouseUp(Form1& f, int Index, Release /*how*/) {
  if (Index < 0 || Index > 1) return;
  f.Clear(ArrayId::SWs, Index);
}

}  // namespace yunuri
