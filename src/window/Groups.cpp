#include "window/Groups.h"

#include <algorithm>
#include <array>

#include "state/Projector.h"
#include "window/Form1.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

// The notice says all it prints, then how to close it.
constexpr std::string_view kNoticeClose =
    YUNURI_TR("Panel", "押すと閉じて、パネルを操作できるようになります。");
constexpr std::array<std::string_view, 6> kNoticeParts = {printed::kNoticeBand,     kTitle,
                                                          printed::kNotice[0].text, printed::kNotice[1].text,
                                                          printed::kNotice[2].text, kNoticeClose};
//: The notice's description: %1 its band, %2 the title, %3 to %5 its paragraphs, %6 how to close it.
constexpr std::string_view kNoticePattern = YUNURI_TR("Panel", "%1「%2」。%3%4%5%6");

constexpr std::array<GroupEntry, 9> kGroups = {{
    {Group::Window, kTitle},
    {Group::Notice, YUNURI_TR("Panel", "「ゆぬり～」のご案内"), kNoticePattern, true, -1, kNoticeParts},
    {Group::Sources, YUNURI_TR("Panel", "モニター映像選択")},
    {Group::Screens, YUNURI_TR("Panel", "スクリーン映像選択")},
    {Group::Volume, YUNURI_TR("Panel", "ボリューム操作")},
    {Group::PowerPopup, YUNURI_TR("Panel", "プロジェクタ電源"), printed::kPowerNote.text, true, 0},
    {Group::CdMdPopup, YUNURI_TR("Panel", "CD/MD操作"), {}, true, 1},
    {Group::ExitPopup, YUNURI_TR("Panel", "終了確認"), printed::kExitQuestion.text, true, 2},
    {Group::Remote, YUNURI_TR("Panel", "リモコン操作")},
}};

constexpr std::array<TextEntry, 16> kTexts = {{
    printed::kNotice[0],
    printed::kNotice[1],
    printed::kNotice[2],
    printed::kSourceHeading,
    printed::kScreenHeading,
    printed::kVolumeHeading,
    printed::kPowerHeading,
    printed::kLeftProjector,
    printed::kRightProjector,
    printed::kPowerNote,
    printed::kCdMdHeading,
    printed::kExitHeading,
    printed::kExitQuestion,
    printed::kRemoteHeading,
    printed::kChooseDevice,
    printed::kUseRealDevice,
}};

bool isPopup(BoxId b) {
  return std::any_of(kPopups.begin(), kPopups.end(), [b](const Popup& p) { return p.box == b; });
}

// The box a hit landed on, if it landed on one or on an element of one.
std::optional<BoxId> boxOf(const Target& t) {
  if (t.kind == Target::Kind::Box) return t.box;
  if (t.kind == Target::Kind::Notice) return BoxId::KABE;
  if (t.kind == Target::Kind::Element && arrayLayout(t.array).container == Container::Box) {
    return arrayLayout(t.array).box;
  }
  return std::nullopt;
}

// The projector a power button belongs to, if it is one.
const Projector* projectorOf(const ButtonEntry& e) {
  switch (e.checked) {
    case CheckRule::LeftProjectorOn:
    case CheckRule::LeftProjectorOff:
      return &kProjectors[0];
    case CheckRule::RightProjectorOn:
    case CheckRule::RightProjectorOff:
      return &kProjectors[1];
    default:
      return nullptr;
  }
}

constexpr std::array<std::string_view, 4> kPhaseDescriptions = {
    YUNURI_TR("Panel", "左側プロジェクターはウォームアップ中です"),
    YUNURI_TR("Panel", "左側プロジェクターはクーリング中です"),
    YUNURI_TR("Panel", "右側プロジェクターはウォームアップ中です"),
    YUNURI_TR("Panel", "右側プロジェクターはクーリング中です"),
};

}  // namespace

std::span<const GroupEntry> Groups() {
  return kGroups;
}

const GroupEntry& GroupOf(Group g) {
  return kGroups[static_cast<std::size_t>(g)];
}

Group GroupOfArea(Area area) {
  switch (area) {
    case Area::Top:
      return Group::Window;
    case Area::Sources:
      return Group::Sources;
    case Area::Screens:
      return Group::Screens;
    case Area::Volume:
      return Group::Volume;
    case Area::PowerPopup:
      return Group::PowerPopup;
    case Area::CdMdPopup:
      return Group::CdMdPopup;
    case Area::ExitPopup:
      return Group::ExitPopup;
    case Area::DeckRemote:
    case Area::VtrRemote:
    case Area::DvdRemote:
    case Area::CameraRemote:
      break;
  }
  return Group::Remote;
}

std::span<const TextEntry> PrintedTexts() {
  return kTexts;
}

Rect TextRect(const Form1& f, const TextEntry& t) {
  if (!t.box) return t.rect;
  const DirtyRect b = f.WindowRect(f.Box(*t.box));
  return {static_cast<int>(b.left) + t.rect.left, static_cast<int>(b.top) + t.rect.top, t.rect.width,
          t.rect.height};
}

bool TextShowing(const Form1& f, const TextEntry& t) {
  const Rect r = TextRect(f, t);
  const Target hit = f.HitTest(r.left + r.width / 2, r.top + r.height / 2);
  if (hit.kind == Target::Kind::Outside) return false;
  const std::optional<BoxId> on = boxOf(hit);
  if (t.box) return on == t.box;
  return !on || (*on != BoxId::KABE && !isPopup(*on));
}

std::optional<std::size_t> ProjectorSideOf(ArrayId id, int index) {
  const Projector* p = projectorOf(CatalogueEntry(id, index));
  if (p == nullptr) return std::nullopt;
  return static_cast<std::size_t>(p - kProjectors.data());
}

std::string_view ButtonDescription(const Form1& f, ArrayId id, int index) {
  const ButtonEntry& e = CatalogueEntry(id, index);
  if (const Projector* p = projectorOf(e)) {
    const Byte phase = f.state.*(p->phase);
    const std::size_t side = p == &kProjectors[0] ? 0 : 2;
    if (projector::Warming(phase)) return kPhaseDescriptions[side];
    if (projector::Cooling(phase)) return kPhaseDescriptions[side + 1];
  }
  return e.description;
}

bool PopupWanted(const Form1& f, int popup) {
  return f.state.*kPopups[static_cast<std::size_t>(popup)].wanted == 1;
}

}  // namespace yunuri
