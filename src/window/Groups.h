#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "window/Catalogue.h"
#include "window/Layout.h"
#include "window/Tr.h"

// The parts of the panel a screen reader presents as one whole, and the printed texts a sighted visitor
// reads that are not on a button. The accessible tree reads them; the words are the panel's own.
namespace yunuri {

class Form1;

// A named part of the panel. The notice and the popups are dialogs: they take the focus and say their whole
// text as their description; the others are plain groups.
enum class Group : std::uint8_t {
  Window,  // directly on the window: the top buttons
  Notice,
  Sources,
  Screens,
  Volume,
  PowerPopup,
  CdMdPopup,
  ExitPopup,
  Remote,  // every remote panel, whichever is in the area
};

struct GroupEntry {
  Group group;
  std::string_view name;
  // All the group's texts in one, for a dialog; a screen reader reads this as the dialog opens.
  std::string_view description = {};
  bool dialog = false;
  int popup = -1;  // the popup whose box the group is, if any
};

// One printed text: where it lies (in its picture box, or on the window when `box` is empty) and in which
// group.
struct TextEntry {
  std::string_view text;
  Group group;
  std::optional<BoxId> box;
  Rect rect;
};

// Texts printed on the panel that a screen reader reads too; the artwork paints these very strings.
inline constexpr std::array<std::string_view, 3> kNoticeParagraphs = {
    YUNURI_TR("Panel", "「ゆぬり～」をご利用いただき、誠にありがとうございます。"),
    YUNURI_TR(
        "Panel",
        "本アプリケーションはデモ版のため、解像度と色数を落としてあります。見づらい画面や読みにくい文字が"
        "ありましても、ご容赦下さい。"),
    YUNURI_TR(
        "Panel",
        "また、実際のタッチパネルの動作は使用するハードウェアに依存しますので、「ゆぬり～」より良くなる場"
        "合も、悪くなる場合もあります。"),
};
inline constexpr std::string_view kPowerNote = YUNURI_TR(
    "Panel", "プロジェクタは、電源のON/OFF動作に時間がかかります。ご確認の上、操作を行って下さい。");
inline constexpr std::string_view kExitQuestion =
    YUNURI_TR("Panel",
              "システムの終了前に、「DVD/VTR」、「DVD」等のソースやカセット類を取り出して下さい。"
              "システムを終了致します。よろしいですか？");

// The volume meter as a screen reader names it, and what it adds while the sound is muted.
inline constexpr std::string_view kMeterName = YUNURI_TR("Panel", "音量");
inline constexpr std::string_view kMeterMuted = YUNURI_TR("Panel", "ミュート中 (muted)");

std::span<const GroupEntry> Groups();
const GroupEntry& GroupOf(Group g);
Group GroupOfArea(Area area);
std::span<const TextEntry> PrintedTexts();

// Whether a visitor can see the text now: its box is in view there and nothing lies over its middle.
bool TextShowing(const Form1& f, const TextEntry& t);
Rect TextRect(const Form1& f, const TextEntry& t);

// What a screen reader says of a button beyond its name: the catalogue's description, or, while its
// projector is between phases, that phase.
std::string_view ButtonDescription(const Form1& f, ArrayId id, int index);

// Whether a top button's popup is wanted open.
bool PopupWanted(const Form1& f, int popup);

}  // namespace yunuri
