// The panel's captions word for word, one table per family, indexed the way the panel's buttons are. Written
// out here rather than taken from the panel's own tables, so that a slip in those shows up as a failure.
#pragma once

#include <array>
#include <string_view>

namespace yunuri::test::captions {

// The caption at start-up and under the notice.
inline constexpr std::string_view kTitle = "ゆぬり～";

// What choosing monitor source i says.
inline constexpr std::array<std::string_view, 12> kMonitor = {
    "ゆぬり～  ﾓﾆﾀｰ映像が非表示になりました｡",        "ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡",
    "ゆぬり～  ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡",   "ゆぬり～  ﾓﾆﾀｰに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡",
    "ゆぬり～  ﾓﾆﾀｰに｢書画ｶﾒﾗ｣映像が表示されました｡", "ゆぬり～  ﾓﾆﾀｰに｢RGB入力｣映像が表示されました｡",
    "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡", "ゆぬり～  ﾓﾆﾀｰに｢世界対応VTR｣映像が表示されました｡",
    "ゆぬり～  ﾓﾆﾀｰに｢DVD｣映像が表示されました｡",     "ゆぬり～  ﾓﾆﾀｰに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡",
    "ゆぬり～  ﾓﾆﾀｰに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡", "ゆぬり～  ﾓﾆﾀｰに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡",
};

// What sending the monitor to screen s (0 left, 1 right) says, by [s][monitor source].
inline constexpr std::array<std::array<std::string_view, 12>, 2> kSend = {{
    {
        "ゆぬり～  左側ｽｸﾘｰﾝ映像が非表示になりました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡",
        "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡",
    },
    {
        "ゆぬり～  右側ｽｸﾘｰﾝ映像が非表示になりました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡",
        "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡",
    },
}};

// What a send says while screen s's projector is not fully on.
inline constexpr std::array<std::string_view, 2> kProjectorNotOn = {
    "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡",
    "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡",
};

// What projector s (0 left, 1 right) says when switched on, switched off, and when either phase ends.
struct ProjectorCaptions {
  std::string_view warming;
  std::string_view cooling;
  std::string_view started;
  std::string_view stopped;
};
inline constexpr std::array<ProjectorCaptions, 2> kProjector = {{
    {"ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡",
     "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡"},
    {"ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡",
     "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡"},
}};

// Volume: up and down pressed, either pressed while muted, muting (and reaching 0), unmuting, reaching 100.
inline constexpr std::string_view kLouder = "ゆぬり～  室内の音声が大きくなりました｡";
inline constexpr std::string_view kSofter = "ゆぬり～  室内の音声が小さくなりました｡";
inline constexpr std::string_view kMutedNote = "ゆぬり～  MUTE中です｡";
inline constexpr std::string_view kSilent = "ゆぬり～  室内の音声が消えました｡";
inline constexpr std::string_view kUnmuted = "ゆぬり～  音声MUTEが解除されました｡";
inline constexpr std::string_view kLoudest = "ゆぬり～  室内の音声が最大になりました｡";

// What CD/MD button i says.
inline constexpr std::array<std::string_view, 9> kCdMd = {
    "ゆぬり～  ｢CD/MD｣のCDを選択しました｡",      "ゆぬり～  ｢CD/MD｣のMDを選択しました｡",
    "ゆぬり～  ｢CD/MD｣のﾁｬﾌﾟﾀｰが1つ戻りました｡", "ゆぬり～  ｢CD/MD｣のﾁｬﾌﾟﾀｰが1つ進みました｡",
    "ゆぬり～  ｢CD/MD｣が巻戻しを開始しました｡",  "ゆぬり～  ｢CD/MD｣が早送りを開始しました｡",
    "ゆぬり～  ｢CD/MD｣が再生を開始しました｡",    "ゆぬり～  ｢CD/MD｣が一時停止しました｡",
    "ゆぬり～  ｢CD/MD｣が停止しました｡",
};

// What button i of each remote says.
inline constexpr std::array<std::string_view, 16> kDvdVtrRemote = {
    "ゆぬり～  ｢DVD/VTR｣のDVDを選択しました｡",
    "ゆぬり～  ｢DVD/VTR｣のVTRを選択しました｡",
    "ゆぬり～  ｢DVD/VTR｣のﾁｬﾌﾟﾀｰが1つ戻りました｡",
    "ゆぬり～  ｢DVD/VTR｣のﾁｬﾌﾟﾀｰが1つ進みました｡",
    "ゆぬり～  ｢DVD/VTR｣が巻戻しを開始しました｡",
    "ゆぬり～  ｢DVD/VTR｣が早送りを開始しました｡",
    "ゆぬり～  ｢DVD/VTR｣が再生を開始しました｡",
    "ゆぬり～  ｢DVD/VTR｣が一時停止しました｡",
    "ゆぬり～  ｢DVD/VTR｣が停止しました｡",
    "ゆぬり～  ｢DVD/VTR｣のﾒﾆｭｰが決定しました｡",
    "ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが上に移動しました｡",
    "ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが下に移動しました｡",
    "ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが左に移動しました｡",
    "ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが右に移動しました｡",
    "ゆぬり～  ｢DVD/VTR｣のﾄｯﾌﾟﾒﾆｭｰが表示されました｡",
    "ゆぬり～  ｢DVD/VTR｣のﾒﾆｭｰが表示されました｡",
};

// The multi-standard VTR remote.
inline constexpr std::array<std::string_view, 5> kVtrRemote = {
    "ゆぬり～  ｢世界対応VTR｣が巻戻しを開始しました｡", "ゆぬり～  ｢世界対応VTR｣が早送りを開始しました｡",
    "ゆぬり～  ｢世界対応VTR｣が再生を開始しました｡",   "ゆぬり～  ｢世界対応VTR｣が一時停止しました｡",
    "ゆぬり～  ｢世界対応VTR｣が停止しました｡",
};

// The DVD remote.
inline constexpr std::array<std::string_view, 14> kDvdRemote = {
    "ゆぬり～  ｢DVD｣のﾁｬﾌﾟﾀｰが1つ戻りました｡",
    "ゆぬり～  ｢DVD｣のﾁｬﾌﾟﾀｰが1つ進みました｡",
    "ゆぬり～  ｢DVD｣が巻戻しを開始しました｡",
    "ゆぬり～  ｢DVD｣が早送りを開始しました｡",
    "ゆぬり～  ｢DVD｣が再生を開始しました｡",
    "ゆぬり～  ｢DVD｣が一時停止しました｡",
    "ゆぬり～  ｢DVD｣が停止しました｡",
    "ゆぬり～  ｢DVD｣のﾒﾆｭｰが決定しました｡",
    "ゆぬり～  ｢DVD｣のｶｰｿﾙが上に移動しました｡",
    "ゆぬり～  ｢DVD｣のｶｰｿﾙが下に移動しました｡",
    "ゆぬり～  ｢DVD｣のｶｰｿﾙが左に移動しました｡",
    "ゆぬり～  ｢DVD｣のｶｰｿﾙが右に移動しました｡",
    "ゆぬり～  ｢DVD｣のﾄｯﾌﾟﾒﾆｭｰが表示されました｡",
    "ゆぬり～  ｢DVD｣のﾒﾆｭｰが表示されました｡",
};

// The dome camera remote.
inline constexpr std::array<std::string_view, 8> kDomeCameraRemote = {
    "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が上方向に向きました｡",
    "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が左方向に向きました｡",
    "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が右方向に向きました｡",
    "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が下方向に向きました｡",
    "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が拡大されました｡",
    "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が縮小されました｡",
    "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が近い物にﾋﾟﾝﾄが合いました｡",
    "ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が遠い物にﾋﾟﾝﾄが合いました｡",
};

}  // namespace yunuri::test::captions
