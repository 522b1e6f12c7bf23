#include <array>
#include <string_view>

#include "routing/Routing.h"
#include "state/Byte.h"
#include "window/Catalogue.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

// Indexed by source: what the caption reports.
constexpr std::array<std::string_view, kSourceCount> kMonitorMessages = {
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰ映像が非表示になりました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢書画ｶﾒﾗ｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢RGB入力｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢世界対応VTR｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢DVD｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡"),
};

}  // namespace

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

  f.SetCaption(kMonitorMessages[static_cast<std::size_t>(Index)]);
}

}  // namespace yunuri
