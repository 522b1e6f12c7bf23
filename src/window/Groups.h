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
  // All the group's texts in one, for a dialog; a screen reader reads this as the dialog opens. With `parts`,
  // a pattern whose %1, %2, ... are those texts, so that each is translated once, where it is printed.
  std::string_view description = {};
  bool dialog = false;
  int popup = -1;  // the popup whose box the group is, if any
  std::span<const std::string_view> parts = {};
};

// One printed text that a screen reader reads too: where the artwork lays it out (in its picture box, or on
// the window when `box` is empty) and in which group. The artwork paints these very strings into these very
// rectangles, so what a screen reader is told and what is seen cannot drift apart.
struct TextEntry {
  std::string_view text;
  Group group;
  std::optional<BoxId> box;
  Rect rect;
  // The Japanese as printed where it is broken by hand at phrase boundaries. Not a words entry of its own: a
  // translation of `text` carries its own breaks, which a screen reader reads as spaces.
  std::string_view lines = {};
};

namespace printed {

// The band across the notice's top, over the title.
inline constexpr std::string_view kNoticeBand =
    YUNURI_TR("Panel", "AV設備用タッチパネルデモアプリケーション");
// The notice's paragraphs share the card's column, from under the title's rule to above the logo, and flow
// down it from its top, each as tall as its lines in the language shown: where each one ends up is the
// artwork's to say, not this table's.
inline constexpr Rect kNoticeColumn = {46, 119, 308, 137};
inline constexpr std::array<TextEntry, 3> kNotice = {{
    {YUNURI_TR("Panel", "「ゆぬり～」をご利用いただき、誠にありがとうございます。"), Group::Notice,
     BoxId::KABE, kNoticeColumn},
    {YUNURI_TR(
         "Panel",
         "本アプリケーションはデモ版のため、解像度と色数を落としてあります。見づらい画面や読みにくい文字が"
         "ありましても、ご容赦下さい。"),
     Group::Notice, BoxId::KABE, kNoticeColumn},
    {YUNURI_TR(
         "Panel",
         "また、実際のタッチパネルの動作は使用するハードウェアに依存しますので、「ゆぬり～」より良くなる場"
         "合も、悪くなる場合もあります。"),
     Group::Notice, BoxId::KABE, kNoticeColumn},
}};
inline constexpr TextEntry kSourceHeading = {
    YUNURI_TR("Panel", "モニター映像選択"), Group::Sources, std::nullopt, {6, 38, 128, 17}};
inline constexpr TextEntry kScreenHeading = {
    YUNURI_TR("Panel", "スクリーン映像選択"), Group::Screens, std::nullopt, {302, 59, 91, 16}};
inline constexpr TextEntry kVolumeHeading = {
    YUNURI_TR("Panel", "ボリューム操作"), Group::Volume, std::nullopt, {302, 196, 91, 16}};
// The popups' headings lie at the top of their bubbles' cards.
inline constexpr Rect kPopupHeading = {7, 16, 77, 15};
inline constexpr TextEntry kPowerHeading = {YUNURI_TR("Panel", "プロジェクタ電源"), Group::PowerPopup,
                                            BoxId::POP0, kPopupHeading};
inline constexpr TextEntry kLeftProjector = {
    YUNURI_TR("Panel", "-左側プロジェクター-"), Group::PowerPopup, BoxId::POP0, {6, 50, 79, 12}};
inline constexpr TextEntry kRightProjector = {
    YUNURI_TR("Panel", "-右側プロジェクター-"), Group::PowerPopup, BoxId::POP0, {6, 87, 79, 12}};
inline constexpr TextEntry kPowerNote = {
    YUNURI_TR("Panel",
              "プロジェクタは、電源のON/OFF動作に時間がかかります。ご確認の上、操作を行って下さい。"),
    Group::PowerPopup,
    BoxId::POP0,
    {8, 127, 75, 55}};
inline constexpr TextEntry kCdMdHeading = {YUNURI_TR("Panel", "CD/MD操作"), Group::CdMdPopup, BoxId::POP1,
                                           kPopupHeading};
inline constexpr TextEntry kExitHeading = {YUNURI_TR("Panel", "終了確認"), Group::ExitPopup, BoxId::POP2,
                                           kPopupHeading};
inline constexpr TextEntry kExitQuestion = {
    YUNURI_TR("Panel",
              "システムの終了前に、「DVD/VTR」、「DVD」等のソースやカセット類を取り出して下さい。"
              "システムを終了致します。よろしいですか？"),
    Group::ExitPopup,
    BoxId::POP2,
    {8, 36, 75, 94}};
// The remote area's heading is printed on every card, so it is wherever a card is in view.
inline constexpr TextEntry kRemoteHeading = {
    YUNURI_TR("Panel", "リモコン操作"), Group::Remote, std::nullopt, {4, 85, 91, 21}};
// What the two text-only remote panels ask for.
inline constexpr TextEntry kChooseDevice = {YUNURI_TR("Panel", "機器を選択して下さい。"),
                                            Group::Remote,
                                            BoxId::Sousa0,
                                            {6, 40, 79, 70},
                                            "機器を\n選択して\n下さい。"};
inline constexpr TextEntry kUseRealDevice = {YUNURI_TR("Panel", "操作は実機にて行って下さい。"),
                                             Group::Remote,
                                             BoxId::Sousa1,
                                             {6, 40, 79, 70},
                                             "操作は\n実機にて\n行って\n下さい。"};

}  // namespace printed

// The volume meter as a screen reader names it, and what it adds while the sound is muted.
inline constexpr std::string_view kMeterName = YUNURI_TR("Panel", "音量");
inline constexpr std::string_view kMeterMuted = YUNURI_TR("Panel", "ミュート中 (muted)");
// Said after the name of something a projector of the room file leaves unanswered.
inline constexpr std::string_view kNotAnswering = YUNURI_TR("Panel", "%1（応答なし）");

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
// The side (an index of kProjectors) whose power a button switches; nothing for any other button.
std::optional<std::size_t> ProjectorSideOf(ArrayId id, int index);

// Whether a top button's popup is wanted open.
bool PopupWanted(const Form1& f, int popup);

}  // namespace yunuri
