#include <array>
#include <span>
#include <string_view>

#include "devices/Devices.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

// The remotes keep no state: each button always reports the same thing, naming the device as a whole.
constexpr std::array<std::string_view, arraySize(ArrayId::SWr1)> kDvdVtrMessages = {
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のDVDを選択しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のVTRを選択しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のﾁｬﾌﾟﾀｰが1つ戻りました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のﾁｬﾌﾟﾀｰが1つ進みました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣が巻戻しを開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣が早送りを開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣が再生を開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣が一時停止しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣が停止しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のﾒﾆｭｰが決定しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが上に移動しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが下に移動しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが左に移動しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが右に移動しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のﾄｯﾌﾟﾒﾆｭｰが表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD/VTR｣のﾒﾆｭｰが表示されました｡"),
};

constexpr std::array<std::string_view, arraySize(ArrayId::SWr2)> kWorldVtrMessages = {
    YUNURI_TR("Panel", "ゆぬり～  ｢世界対応VTR｣が巻戻しを開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢世界対応VTR｣が早送りを開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢世界対応VTR｣が再生を開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢世界対応VTR｣が一時停止しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢世界対応VTR｣が停止しました｡"),
};

constexpr std::array<std::string_view, arraySize(ArrayId::SWr3)> kDvdMessages = {
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のﾁｬﾌﾟﾀｰが1つ戻りました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のﾁｬﾌﾟﾀｰが1つ進みました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣が巻戻しを開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣が早送りを開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣が再生を開始しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣が一時停止しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣が停止しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のﾒﾆｭｰが決定しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のｶｰｿﾙが上に移動しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のｶｰｿﾙが下に移動しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のｶｰｿﾙが左に移動しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のｶｰｿﾙが右に移動しました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のﾄｯﾌﾟﾒﾆｭｰが表示されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢DVD｣のﾒﾆｭｰが表示されました｡"),
};

constexpr std::array<std::string_view, arraySize(ArrayId::SWr4)> kDomeCameraMessages = {
    YUNURI_TR("Panel", "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が上方向に向きました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が左方向に向きました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が右方向に向きました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が下方向に向きました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が拡大されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が縮小されました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が近い物にﾋﾟﾝﾄが合いました｡"),
    YUNURI_TR("Panel", "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が遠い物にﾋﾟﾝﾄが合いました｡"),
};

void press(Form1& f, ArrayId remote, std::span<const std::string_view> messages, int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= messages.size()) return;
  f.Light(remote, Index);
  f.SetCaption(messages[static_cast<std::size_t>(Index)]);
}

void release(Form1& f, ArrayId remote, int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= f.Elements(remote).size()) return;
  f.Clear(remote, Index);
}

}  // namespace

void SWr1_MouseDown(Form1& f, int Index) {
  press(f, ArrayId::SWr1, kDvdVtrMessages, Index);
}
void SWr2_MouseDown(Form1& f, int Index) {
  press(f, ArrayId::SWr2, kWorldVtrMessages, Index);
}
void SWr3_MouseDown(Form1& f, int Index) {
  press(f, ArrayId::SWr3, kDvdMessages, Index);
}
void SWr4_MouseDown(Form1& f, int Index) {
  press(f, ArrayId::SWr4, kDomeCameraMessages, Index);
}
void SWr1_MouseUp(Form1& f, int Index, Release /*how*/) {
  release(f, ArrayId::SWr1, Index);
}
void SWr2_MouseUp(Form1& f, int Index, Release /*how*/) {
  release(f, ArrayId::SWr2, Index);
}
void SWr3_MouseUp(Form1& f, int Index, Release /*how*/) {
  release(f, ArrayId::SWr3, Index);
}
void SWr4_MouseUp(Form1& f, int Index, Release /*how*/) {
  release(f, ArrayId::SWr4, Index);
}

}  // namespace yunuri
