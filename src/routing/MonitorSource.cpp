#include "routing/Routing.h"
#include "state/Byte.h"
#include "window/Catalogue.h"
#include "window/Sources.h"

namespace yunuri {
void SWm_MouseDown(Form1& f, int Index) {
  if (Index < 0 || Index >= kSourceCount) return;
  PanelState& s = f.state;
  s.MonitorSource = static_cast<Byte>(Index);

  for (s.LoopIndex = 0; s.LoopIndex < kSourceCount; s.LoopIndex = byteAdd(s.LoopIndex, 1)) {
    if (s.LoopIndex == Index) {
      f.Light(ArrayId::SWm, s.LoopIndex);
    } else {
      f.Clear(ArrayId::SWm, s.LoopIndex);
    }
  }

  const auto shown = static_cast<std::size_t>(RemoteOfSource(Index));
  for (std::size_t i = 0; i < s.PanelShown.size(); ++i) s.PanelShown[i] = i == shown ? 1 : 0;
  s.PanelMoving.fill(1);

  f.SetCaption(kSources[static_cast<std::size_t>(Index)].onMonitor);
}

}  // namespace yunuri
