#include <array>
#include <string_view>

#include "devices/Projectors.h"
#include "routing/Routing.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

// Indexed by [screen][source]: 0 the left screen, 1 the right one.
constexpr std::array<std::array<std::string_view, 12>, 2> kSendMessages = {{
    {
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝ映像が非表示になりました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡"),
    },
    {
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝ映像が非表示になりました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡"),
        YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡"),
    },
}};

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
  const Byte projector = Index == 0 ? s.LeftProjectorState : s.RightProjectorState;
  if (projector == kProjectorOn) {
    f.SetCaption(kSendMessages[screen][s.MonitorSource]);
  } else {
    f.SetCaption(kProjectorNotOn[screen]);
  }
}

void SWs_MouseUp(Form1& f, int Index, Release /*how*/) {
  if (Index < 0 || Index > 1) return;
  f.Clear(ArrayId::SWs, Index);
}

}  // namespace yunuri
