#include <array>
#include <string_view>

#include "devices/Devices.h"
#include "devices/Popups.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

constexpr int kPopup = 1;

// The player keeps no state: every button but the close button always reports the same thing, naming the
// player as a whole.
constexpr std::array<std::string_view, arraySize(ArrayId::SWp2) - 1> kCdMdMessages = {
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣のCDを選択しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣のMDを選択しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣のﾁｬﾌﾟﾀｰが1つ戻りました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣のﾁｬﾌﾟﾀｰが1つ進みました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣が巻戻しを開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣が早送りを開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣が再生を開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣が一時停止しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢CD/MD｣が停止しました｡"),
};

}  // namespace

void SWp2_MouseDown(Form1& f, int Index) {
  if (Index < 0 || Index >= arraySize(ArrayId::SWp2)) return;
  f.Light(ArrayId::SWp2, Index);
  if (Index != CloseButtonOf(kPopup).index) f.SetCaption(kCdMdMessages[static_cast<std::size_t>(Index)]);
}

void SWp2_MouseUp(Form1& f, int Index, Release how) {
  if (Index < 0 || Index >= arraySize(ArrayId::SWp2)) return;
  f.Clear(ArrayId::SWp2, Index);
  if (Index == CloseButtonOf(kPopup).index && how == Release::Normal) RequestPopupClosed(f, kPopup);
}

}  // namespace yunuri
