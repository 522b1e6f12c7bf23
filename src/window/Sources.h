#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "window/Picture.h"
#include "window/Tr.h"

// The monitor's sources: the one vocabulary of SWm, SWmd, MESd and MonitorSource. A source is added here and
// in the layout (its button's place on the arc); the catalogue, the handlers and the artwork take the rest
// from this table.
namespace yunuri {

// The small drawing at the left of a source's button, painted by the artwork.
enum class Drawing : std::uint8_t {
  None,
  DesktopPc,
  Notebook,
  WirelessNotebook,
  DocumentCamera,
  RgbInput,
  DiscDeck,
  WorldTape,
  Disc,
  StandCamera,
  DomeCamera,
  VideoInput,
};

struct Source {
  std::string_view label;  // printed on its button; a screen reader's name for it too
  // The same words where the room is small (the strips under the screens, the remotes' captions): a
  // translation may word them shorter.
  std::string_view shortName;
  std::string_view description;  // what a screen reader adds to the name
  // The caption once it is on the monitor, and once it is sent to the left and to the right screen. Whole
  // sentences, so that a translation words each as a whole.
  std::string_view onMonitor;
  std::array<std::string_view, 2> onScreen;
  Drawing drawing;
  std::uint8_t remote;  // the remote panel Sousa(remote) it brings into the remote area
  // Its name in a room file, where an installer says which projector input it is wired to. Not translated.
  // Video off is no picture rather than an input, so it has none.
  std::string_view key;
};

// The remote area's panels Sousa(0..5).
inline constexpr int kRemotePanelCount = 6;

inline constexpr std::array<Source, kSourceCount> kSources = {{
    {YUNURI_TR("Panel", "映像OFF"),
     YUNURI_TR_AS("Panel", "映像OFF", "short"),
     YUNURI_TR("Panel", "モニターの映像を消します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰ映像が非表示になりました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝ映像が非表示になりました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝ映像が非表示になりました｡")},
     Drawing::None,
     0,
     ""},
    {YUNURI_TR("Panel", "デスクトップPC"),
     YUNURI_TR_AS("Panel", "デスクトップPC", "short"),
     YUNURI_TR("Panel", "モニターに「デスクトップPC」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡")},
     Drawing::DesktopPc,
     1,
     "desktop-pc"},
    {YUNURI_TR("Panel", "ノートPC"),
     YUNURI_TR_AS("Panel", "ノートPC", "short"),
     YUNURI_TR("Panel", "モニターに「ノートPC」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡")},
     Drawing::Notebook,
     1,
     "notebook-pc"},
    {YUNURI_TR("Panel", "ワイヤレスPC"),
     YUNURI_TR_AS("Panel", "ワイヤレスPC", "short"),
     YUNURI_TR("Panel", "モニターに「ワイヤレスPC」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡")},
     Drawing::WirelessNotebook,
     1,
     "wireless-pc"},
    {YUNURI_TR("Panel", "書画カメラ"),
     YUNURI_TR_AS("Panel", "書画カメラ", "short"),
     YUNURI_TR("Panel", "モニターに「書画カメラ」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢書画ｶﾒﾗ｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡")},
     Drawing::DocumentCamera,
     1,
     "document-camera"},
    {YUNURI_TR("Panel", "RGB入力"),
     YUNURI_TR_AS("Panel", "RGB入力", "short"),
     YUNURI_TR("Panel", "モニターに「RGB入力」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢RGB入力｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡")},
     Drawing::RgbInput,
     1,
     "rgb"},
    {"DVD/VTR",
     YUNURI_TR_AS("Panel", "DVD/VTR", "short"),
     YUNURI_TR("Panel", "モニターに「DVD/VTR」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡")},
     Drawing::DiscDeck,
     2,
     "dvd-vtr"},
    {YUNURI_TR("Panel", "世界対応VTR"),
     YUNURI_TR_AS("Panel", "世界対応VTR", "short"),
     YUNURI_TR("Panel", "モニターに「世界対応VTR」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢世界対応VTR｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡")},
     Drawing::WorldTape,
     3,
     "multi-vtr"},
    {"DVD",
     YUNURI_TR_AS("Panel", "DVD", "short"),
     YUNURI_TR("Panel", "モニターに「DVD」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢DVD｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡")},
     Drawing::Disc,
     4,
     "dvd"},
    {YUNURI_TR("Panel", "スタンドカメラ"),
     YUNURI_TR_AS("Panel", "スタンドカメラ", "short"),
     YUNURI_TR("Panel", "モニターに「スタンドカメラ」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡")},
     Drawing::StandCamera,
     1,
     "stand-camera"},
    {YUNURI_TR("Panel", "ドームカメラ"),
     YUNURI_TR_AS("Panel", "ドームカメラ", "short"),
     YUNURI_TR("Panel", "モニターに「ドームカメラ」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡")},
     Drawing::DomeCamera,
     5,
     "dome-camera"},
    {YUNURI_TR("Panel", "ビデオ入力"),
     YUNURI_TR_AS("Panel", "ビデオ入力", "short"),
     YUNURI_TR("Panel", "モニターに「ビデオ入力」の映像を表示します"),
     YUNURI_TR("Panel", "ゆぬり～  ﾓﾆﾀｰに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡"),
     {YUNURI_TR("Panel", "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡")},
     Drawing::VideoInput,
     1,
     "video"},
}};

// Every source is written out in full (the table is as long as SWm, so one left out would be empty), and in
// Japanese its short name is its label; only a translation may tell them apart.
static_assert([] {
  for (const Source& s : kSources) {
    if (s.label.empty() || s.description.empty() || s.onMonitor.empty() || s.onScreen[0].empty() ||
        s.onScreen[1].empty() || s.shortName != s.label || s.remote >= kRemotePanelCount) {
      return false;
    }
  }
  return true;
}());

// A room file names a source by its key alone: every source but video off has one, and no two share it.
static_assert([] {
  for (std::size_t i = 0; i < kSources.size(); ++i) {
    if (kSources[i].key.empty() != (i == 0)) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (!kSources[i].key.empty() && kSources[i].key == kSources[j].key) return false;
    }
  }
  return true;
}());

}  // namespace yunuri
