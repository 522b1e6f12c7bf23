#include <array>
#include <string_view>

#include "routing/Routing.h"
#include "state/Projector.h"
#include "window/Sources.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

constexpr std::array<std::string_view, 2> kProjectorNotOn = {
    YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡"),
    YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡"),
};

}  // namespace

void SWs_MouseDown(Form1& f, int Index) {
  if (Index < 0 || Index > 1) return;
  const auto screen = static_cast<std::size_t>(Index);
  const PanelState& s = f.state;
  f.Light(ArrayId::SWs, Index);
  // The label follows the send whatever the projector is doing; only the report differs.
  f.SetPicture(f.Element(ArrayId::MES, Index), f.MESd(s.MonitorSource));
  if (projector::ShowsPicture(s.*kProjectors[screen].phase)) {
    f.SetCaption(kSources[s.MonitorSource].onScreen[screen]);
  } else {
    f.SetCaption(kProjectorNotOn[screen]);
  }
}

void SWs_MouseUp(Form1& f, int Index, Release /*how*/) {
  if (Index < 0 || Index > 1) return;
  f.Clear(ArrayId::SWs, Index);
}

}  // namespace yunuri
