#include "window/Catalogue.h"

#include <algorithm>
#include <iterator>

#include "state/Projector.h"
#include "window/Layout.h"
#include "window/Sources.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

constexpr std::uint8_t kPillPixels = 11;
constexpr std::uint8_t kOvalPixels = 9;
// The camera keys' two words fill a key at the oval size; a size smaller leaves them air at the rounded ends.
constexpr std::uint8_t kCameraPixels = 8;

using A = ArrayId;
using K = ButtonKind;
using R = CheckRule;
using S = Symbol;

constexpr auto u8(int index) {
  return static_cast<std::uint8_t>(index);
}

constexpr ButtonEntry source(int index) {
  const Source& s = kSources[static_cast<std::size_t>(index)];
  return {.label = s.label,
          .description = s.description,
          .array = A::SWm,
          .index = u8(index),
          .kind = K::Source,
          .area = Area::Sources,
          .pixels = kPillPixels,
          .checked = R::SelectedSource};
}

// The sources as a visitor reads the arc: from its top down, left before right on one row.
constexpr auto kSourcesInReadingOrder = [] {
  std::array<int, kSourceCount> order{};
  for (int i = 0; i < kSourceCount; ++i) order[static_cast<std::size_t>(i)] = i;
  const auto before = [](int a, int b) {
    const Rect& ra = kSourceButtons[static_cast<std::size_t>(a)];
    const Rect& rb = kSourceButtons[static_cast<std::size_t>(b)];
    return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
  };
  for (std::size_t i = 1; i < order.size(); ++i) {
    for (std::size_t j = i; j > 0 && before(order[j], order[j - 1]); --j) std::swap(order[j], order[j - 1]);
  }
  return order;
}();

// A button with a caption.
constexpr ButtonEntry text(A array, int index, K kind, Area area, std::string_view label,
                           std::string_view description, Finish finish = Finish::Blue,
                           std::uint8_t pixels = kOvalPixels, R checked = R::None) {
  return {.label = label,
          .description = description,
          .array = array,
          .index = u8(index),
          .kind = kind,
          .area = area,
          .finish = finish,
          .pixels = pixels,
          .checked = checked};
}

// A button with a symbol.
constexpr ButtonEntry symbol(A array, int index, K kind, Area area, Symbol s, std::string_view description,
                             std::string_view name = {}) {
  return {.name = name,
          .description = description,
          .array = array,
          .index = u8(index),
          .kind = kind,
          .area = area,
          .symbol = s,
          .pixels = kOvalPixels};
}

// A round button with a caption.
constexpr ButtonEntry round(A array, int index, K kind, Area area, std::string_view label,
                            std::string_view description, Finish finish, std::uint8_t pixels) {
  ButtonEntry e = text(array, index, kind, area, label, description, finish, pixels);
  e.shape = Shape::Circle;
  return e;
}

// Three close buttons print the same words; the name says which popup each closes, the printed words first.
constexpr ButtonEntry close(A array, int index, Area popup, std::string_view name) {
  ButtonEntry e = text(array, index, K::Close, popup, "×Close",
                       YUNURI_TR("Panel", "この操作パネルを閉じます"), Finish::Slate);
  e.name = name;
  return e;
}

constexpr ButtonEntry named(ButtonEntry e, std::string_view name) {
  e.name = name;
  return e;
}

constexpr ButtonEntry key(A array, int index, Area remote, std::string_view label,
                          std::string_view description, std::uint8_t pixels = kOvalPixels) {
  return text(array, index, K::RemoteKey, remote, label, description, Finish::Blue, pixels);
}
constexpr ButtonEntry key(A array, int index, Area remote, Symbol s, std::string_view description) {
  return symbol(array, index, K::RemoteKey, remote, s, description);
}

constexpr ButtonEntry screenLabel(int index, std::string_view name) {
  return {.name = name, .array = A::MES, .index = u8(index), .kind = K::Label, .area = Area::Screens};
}

constexpr std::string_view kDeck = YUNURI_TR("Panel", "「DVD/VTR」のリモコン");
constexpr std::string_view kVtr = YUNURI_TR("Panel", "「世界対応VTR」のリモコン");
constexpr std::string_view kDvd = YUNURI_TR("Panel", "「DVD」のリモコン");
constexpr std::string_view kCamera = YUNURI_TR("Panel", "「ドームカメラ」のリモコン");
constexpr std::string_view kCdMd = YUNURI_TR("Panel", "CD/MDプレーヤーの操作");

constexpr auto kExecute = [] {
  ButtonEntry e = text(A::SWp3, 0, K::PopupButton, Area::ExitPopup, YUNURI_TR("Panel", "終了実行"),
                       YUNURI_TR("Panel", "プログラムを終了します"), Finish::Red);
  // Four kanji on one line of a small key would be six pixels each.
  e.lines = YUNURI_TR("Panel", "終了\n実行");
  return e;
}();

constexpr ButtonEntry kTopButtons[] = {
    text(A::SWu, 0, K::Top, Area::Top, YUNURI_TR("Panel", "プロジェクタ電源"),
         YUNURI_TR("Panel", "左右のプロジェクタの電源を入れたり切ったりするボタンを出します"), Finish::Blue,
         kPillPixels),
    text(A::SWu, 1, K::Top, Area::Top, YUNURI_TR("Panel", "CD/MD操作"),
         YUNURI_TR("Panel", "CD/MDプレーヤーを操作するボタンを出します"), Finish::Blue, kPillPixels),
    round(A::SWu, 2, K::Top, Area::Top, YUNURI_TR("Panel", "終了"),
          YUNURI_TR("Panel", "プログラムを終了するか確かめます"), Finish::Red, 14),

};

// Every button after the sources.
constexpr ButtonEntry kAfterSources[] = {
    named(round(A::SWs, 0, K::Send, Area::Screens, YUNURI_TR("Panel", "送出"),
                YUNURI_TR("Panel", "モニターの映像を左側スクリーンへ送出します"), Finish::Blue, kPillPixels),
          YUNURI_TR("Panel", "送出 左側スクリーンへ")),
    named(round(A::SWs, 1, K::Send, Area::Screens, YUNURI_TR("Panel", "送出"),
                YUNURI_TR("Panel", "モニターの映像を右側スクリーンへ送出します"), Finish::Blue, kPillPixels),
          YUNURI_TR("Panel", "送出 右側スクリーンへ")),
    screenLabel(0, YUNURI_TR("Panel", "左側スクリーン")),
    screenLabel(1, YUNURI_TR("Panel", "右側スクリーン")),

    symbol(A::SWv, 0, K::Volume, Area::Volume, S::Up, YUNURI_TR("Panel", "押している間、音量を上げます"),
           YUNURI_TR("Panel", "音量を上げる")),
    symbol(A::SWv, 1, K::Volume, Area::Volume, S::Down, YUNURI_TR("Panel", "押している間、音量を下げます"),
           YUNURI_TR("Panel", "音量を下げる")),
    text(A::SWv, 2, K::Volume, Area::Volume, "MUTE", YUNURI_TR("Panel", "消音を入れたり切ったりします"),
         Finish::Blue, kOvalPixels, R::Muted),

    named(text(A::SWp1, 0, K::PopupButton, Area::PowerPopup, YUNURI_TR("Panel", "電源\nON"),
               YUNURI_TR("Panel", "左側プロジェクターの電源を入れます"), Finish::Olive, kOvalPixels,
               R::LeftProjectorOn),
          YUNURI_TR("Panel", "電源 ON 左側プロジェクター")),
    named(text(A::SWp1, 1, K::PopupButton, Area::PowerPopup, YUNURI_TR("Panel", "電源\nOFF"),
               YUNURI_TR("Panel", "左側プロジェクターの電源を切ります"), Finish::Olive, kOvalPixels,
               R::LeftProjectorOff),
          YUNURI_TR("Panel", "電源 OFF 左側プロジェクター")),
    named(text(A::SWp1, 2, K::PopupButton, Area::PowerPopup, YUNURI_TR("Panel", "電源\nON"),
               YUNURI_TR("Panel", "右側プロジェクターの電源を入れます"), Finish::Olive, kOvalPixels,
               R::RightProjectorOn),
          YUNURI_TR("Panel", "電源 ON 右側プロジェクター")),
    named(text(A::SWp1, 3, K::PopupButton, Area::PowerPopup, YUNURI_TR("Panel", "電源\nOFF"),
               YUNURI_TR("Panel", "右側プロジェクターの電源を切ります"), Finish::Olive, kOvalPixels,
               R::RightProjectorOff),
          YUNURI_TR("Panel", "電源 OFF 右側プロジェクター")),
    close(A::SWp1, 4, Area::PowerPopup, YUNURI_TR("Panel", "×Close プロジェクタ電源を閉じる")),

    text(A::SWp2, 0, K::PopupButton, Area::CdMdPopup, "CD", kCdMd, Finish::Orange),
    text(A::SWp2, 1, K::PopupButton, Area::CdMdPopup, "MD", kCdMd, Finish::Orange),
    symbol(A::SWp2, 2, K::PopupButton, Area::CdMdPopup, S::Previous, kCdMd),
    symbol(A::SWp2, 3, K::PopupButton, Area::CdMdPopup, S::Next, kCdMd),
    symbol(A::SWp2, 4, K::PopupButton, Area::CdMdPopup, S::Rewind, kCdMd),
    symbol(A::SWp2, 5, K::PopupButton, Area::CdMdPopup, S::FastForward, kCdMd),
    symbol(A::SWp2, 6, K::PopupButton, Area::CdMdPopup, S::Play, kCdMd),
    symbol(A::SWp2, 7, K::PopupButton, Area::CdMdPopup, S::Pause, kCdMd),
    symbol(A::SWp2, 8, K::PopupButton, Area::CdMdPopup, S::Stop, kCdMd),
    close(A::SWp2, 9, Area::CdMdPopup, YUNURI_TR("Panel", "×Close CD/MD操作を閉じる")),

    kExecute,
    close(A::SWp3, 1, Area::ExitPopup, YUNURI_TR("Panel", "×Close 終了確認を閉じる")),

    key(A::SWr1, 0, Area::DeckRemote, "DVD", kDeck),
    key(A::SWr1, 1, Area::DeckRemote, "VTR", kDeck),
    key(A::SWr1, 2, Area::DeckRemote, S::Previous, kDeck),
    key(A::SWr1, 3, Area::DeckRemote, S::Next, kDeck),
    key(A::SWr1, 4, Area::DeckRemote, S::Rewind, kDeck),
    key(A::SWr1, 5, Area::DeckRemote, S::FastForward, kDeck),
    key(A::SWr1, 6, Area::DeckRemote, S::Play, kDeck),
    key(A::SWr1, 7, Area::DeckRemote, S::Pause, kDeck),
    key(A::SWr1, 8, Area::DeckRemote, S::Stop, kDeck),
    key(A::SWr1, 9, Area::DeckRemote, YUNURI_TR("Panel", "決定"), kDeck),
    key(A::SWr1, 10, Area::DeckRemote, S::Up, kDeck),
    key(A::SWr1, 11, Area::DeckRemote, S::Down, kDeck),
    key(A::SWr1, 12, Area::DeckRemote, S::Left, kDeck),
    key(A::SWr1, 13, Area::DeckRemote, S::Right, kDeck),
    key(A::SWr1, 14, Area::DeckRemote, "TOP\nMENU", kDeck),
    key(A::SWr1, 15, Area::DeckRemote, "MENU", kDeck),

    key(A::SWr2, 0, Area::VtrRemote, S::Rewind, kVtr),
    key(A::SWr2, 1, Area::VtrRemote, S::FastForward, kVtr),
    key(A::SWr2, 2, Area::VtrRemote, S::Play, kVtr),
    key(A::SWr2, 3, Area::VtrRemote, S::Pause, kVtr),
    key(A::SWr2, 4, Area::VtrRemote, S::Stop, kVtr),

    key(A::SWr3, 0, Area::DvdRemote, S::Previous, kDvd),
    key(A::SWr3, 1, Area::DvdRemote, S::Next, kDvd),
    key(A::SWr3, 2, Area::DvdRemote, S::Rewind, kDvd),
    key(A::SWr3, 3, Area::DvdRemote, S::FastForward, kDvd),
    key(A::SWr3, 4, Area::DvdRemote, S::Play, kDvd),
    key(A::SWr3, 5, Area::DvdRemote, S::Pause, kDvd),
    key(A::SWr3, 6, Area::DvdRemote, S::Stop, kDvd),
    key(A::SWr3, 7, Area::DvdRemote, YUNURI_TR("Panel", "決定"), kDvd),
    key(A::SWr3, 8, Area::DvdRemote, S::Up, kDvd),
    key(A::SWr3, 9, Area::DvdRemote, S::Down, kDvd),
    key(A::SWr3, 10, Area::DvdRemote, S::Left, kDvd),
    key(A::SWr3, 11, Area::DvdRemote, S::Right, kDvd),
    key(A::SWr3, 12, Area::DvdRemote, "TOP\nMENU", kDvd),
    key(A::SWr3, 13, Area::DvdRemote, "MENU", kDvd),

    key(A::SWr4, 0, Area::CameraRemote, S::Up, kCamera),
    key(A::SWr4, 1, Area::CameraRemote, S::Left, kCamera),
    key(A::SWr4, 2, Area::CameraRemote, S::Right, kCamera),
    key(A::SWr4, 3, Area::CameraRemote, S::Down, kCamera),
    key(A::SWr4, 4, Area::CameraRemote, "Zoom +", kCamera, kCameraPixels),
    key(A::SWr4, 5, Area::CameraRemote, "Zoom −", kCamera, kCameraPixels),
    key(A::SWr4, 6, Area::CameraRemote, "Focus +", kCamera, kCameraPixels),
    key(A::SWr4, 7, Area::CameraRemote, "Focus −", kCamera, kCameraPixels),
};

constexpr auto kCatalogue = [] {
  std::array<ButtonEntry, std::size(kTopButtons) + kSourceCount + std::size(kAfterSources)> all{};
  std::size_t n = 0;
  for (const ButtonEntry& e : kTopButtons) all[n++] = e;
  for (const int i : kSourcesInReadingOrder) all[n++] = source(i);
  for (const ButtonEntry& e : kAfterSources) all[n++] = e;
  return all;
}();

// Where each element's entry stands in the catalogue; also proves that every element has exactly one.
constexpr auto kPositions = [] {
  std::array<std::array<std::uint8_t, 16>, kArrayCount> at{};
  std::array<int, kArrayCount> seen{};
  for (std::size_t i = 0; i < std::size(kCatalogue); ++i) {
    const ButtonEntry& e = kCatalogue[i];
    const auto a = static_cast<std::size_t>(e.array);
    if (e.index >= kArraySizes[a]) throw "an entry past the end of its array";
    at[a][e.index] = static_cast<std::uint8_t>(i);
    ++seen[a];
  }
  for (std::size_t a = 0; a < seen.size(); ++a) {
    if (seen[a] != kArraySizes[a]) throw "an array whose elements are not each listed once";
  }
  return at;
}();

constexpr int totalElements() {
  int n = 0;
  for (int size : kArraySizes) n += size;
  return n;
}
static_assert(std::size(kCatalogue) == static_cast<std::size_t>(totalElements()));

// Each popup's close button is the one close button of its area, and every other button of its array lies in
// its area too.
static_assert([] {
  for (const Popup& p : kPopups) {
    int closes = 0;
    for (const ButtonEntry& e : kCatalogue) {
      if (e.array != p.buttons) continue;
      if (e.area != p.area) return false;
      if (e.kind == K::Close) closes += e.index == p.close ? 1 : 2;
    }
    if (closes != 1) return false;
  }
  return true;
}());

// The projector buttons read as checked by the phase of the projector whose buttons the power handler takes
// them to be.
static_assert([] {
  for (const ButtonEntry& e : kCatalogue) {
    const auto is = [&e](R rule, int button) { return e.checked != rule || e.index == button; };
    if (!is(R::LeftProjectorOn, kProjectors[0].onButton) ||
        !is(R::LeftProjectorOff, kProjectors[0].offButton) ||
        !is(R::RightProjectorOn, kProjectors[1].onButton) ||
        !is(R::RightProjectorOff, kProjectors[1].offButton)) {
      return false;
    }
  }
  return true;
}());

constexpr std::array<std::string_view, 11> kSymbolWords = {YUNURI_TR("Panel", "上"),
                                                           YUNURI_TR("Panel", "下"),
                                                           YUNURI_TR("Panel", "左"),
                                                           YUNURI_TR("Panel", "右"),
                                                           YUNURI_TR("Panel", "前のチャプター"),
                                                           YUNURI_TR("Panel", "次のチャプター"),
                                                           YUNURI_TR("Panel", "巻戻し"),
                                                           YUNURI_TR("Panel", "早送り"),
                                                           YUNURI_TR("Panel", "再生"),
                                                           YUNURI_TR("Panel", "一時停止"),
                                                           YUNURI_TR("Panel", "停止")};
static_assert(kSymbolWords.size() == static_cast<std::size_t>(Symbol::Stop) + 1);

}  // namespace

std::span<const ButtonEntry> Catalogue() {
  return kCatalogue;
}

const ButtonEntry& CatalogueEntry(ArrayId id, int index) {
  return kCatalogue[kPositions[static_cast<std::size_t>(id)][static_cast<std::size_t>(index)]];
}

std::string_view SymbolWords(Symbol s) {
  return kSymbolWords[static_cast<std::size_t>(s)];
}

ButtonRef CloseButtonOf(int popup) {
  const Popup& p = kPopups[static_cast<std::size_t>(popup)];
  return {p.buttons, p.close};
}

int RemoteOfSource(int source) {
  return kSources[static_cast<std::size_t>(source)].remote;
}

int SourceOfRemote(int panel) {
  // The two text-only panels serve many sources; each panel with keys serves one.
  if (!kRemotePanels[static_cast<std::size_t>(panel)].keys) return -1;
  const auto it =
      std::find_if(kSources.begin(), kSources.end(), [panel](const Source& s) { return s.remote == panel; });
  return it == kSources.end() ? -1 : static_cast<int>(it - kSources.begin());
}

}  // namespace yunuri
