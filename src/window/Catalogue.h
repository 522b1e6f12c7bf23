#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "state/PanelState.h"
#include "window/Picture.h"
#include "window/Sources.h"

// The one list of the panel's buttons and screen labels: what each one is, where it belongs, what it shows
// and says, and when it reads as checked; beside it the popups and remote panels that hold them. The
// handlers, the artwork, the input path, the painter, the hit test and the accessible tree all read it. A
// button is added here, in the layout (its place) and, if it reports something, in its handler's captions;
// a source in Sources.h and the layout. Compile-time checks fail when one of them is forgotten.
//
// The panel's own control names:
//   KABE      the start-up notice over the whole window
//   MET       the volume meter
//   POP(k)    the popups: 0 projector power, 1 CD/MD, 2 exit confirmation
//   Sousa(i)  the remote area's panels: 0 "choose a device", 1 "use the real device", 2 the DVD/VTR deck,
//             3 the multi-standard VTR, 4 the DVD player, 5 the dome camera
//   SWm       the monitor source buttons on the arc      SWs  the two send buttons
//   SWv       volume up, down and MUTE                   SWu  the top buttons that open the popups
//   SWp1..3   the buttons of POP(0..2)                   SWr1..4  the keys of Sousa(2..5)
//   MES       the labels under the screens
namespace yunuri {

enum class ButtonKind : std::uint8_t { Source, Send, Volume, Top, PopupButton, Close, RemoteKey, Label };

// The part of the panel a button belongs to. Its layer for painting and hit testing is its array's container
// (arrayLayout), as every element of an array lies on one.
enum class Area : std::uint8_t {
  Top,
  Sources,
  Screens,
  Volume,
  PowerPopup,
  CdMdPopup,
  ExitPopup,
  DeckRemote,
  VtrRemote,
  DvdRemote,
  CameraRemote,
};
inline constexpr int kPopupCount = 3;

// A popup POP(k), opened and closed by the top button SWu(k): its picture box, its buttons and which of them
// closes it, the two state bytes of its slide and its part of the panel.
struct Popup {
  BoxId box;
  ArrayId buttons;
  std::uint8_t close;
  Byte PanelState::*wanted;
  Byte PanelState::*moving;
  Area area;
};

inline constexpr std::array<Popup, kPopupCount> kPopups = {{
    {BoxId::POP0, ArrayId::SWp1, 4, &PanelState::PowerPopupOpen, &PanelState::PowerPopupMoving,
     Area::PowerPopup},
    {BoxId::POP1, ArrayId::SWp2, 9, &PanelState::CdMdPopupOpen, &PanelState::CdMdPopupMoving,
     Area::CdMdPopup},
    {BoxId::POP2, ArrayId::SWp3, 1, &PanelState::ExitPopupOpen, &PanelState::ExitPopupMoving,
     Area::ExitPopup},
}};

// The wanted and moving bytes of popup k.
inline SliderBytes PopupBytes(PanelState& s, int k) {
  const Popup& p = kPopups[static_cast<std::size_t>(k)];
  return {s.*p.wanted, s.*p.moving};
}

// What a remote panel's card shows under its header besides its keys.
enum class CardArt : std::uint8_t {
  None,
  ArrowToSources,  // "choose a device": an arrow towards the source buttons
  RealRemote,      // "use the real device": the deck beside a hand-held remote
  Tape,            // the world VTR's tape under its five keys
  DirectionPad,    // the dome camera's direction keys sit on a round pad
};

// A remote panel Sousa(i). The two text-only panels have no keys and print a request instead; a panel with
// keys names the device they work in a caption under its header when there is room (the deck's keys fill
// its panel). Its keys' area follows from the catalogue.
struct RemotePanel {
  BoxId box;
  std::optional<ArrayId> keys;
  bool namesDevice;
  CardArt art;
};

inline constexpr std::array<RemotePanel, kRemotePanelCount> kRemotePanels = {{
    {BoxId::Sousa0, std::nullopt, false, CardArt::ArrowToSources},
    {BoxId::Sousa1, std::nullopt, false, CardArt::RealRemote},
    {BoxId::Sousa2, ArrayId::SWr1, false, CardArt::None},
    {BoxId::Sousa3, ArrayId::SWr2, true, CardArt::Tape},
    {BoxId::Sousa4, ArrayId::SWr3, true, CardArt::None},
    {BoxId::Sousa5, ArrayId::SWr4, true, CardArt::DirectionPad},
}};

// The transport and direction symbols printed on the oval buttons.
enum class Symbol : std::uint8_t {
  Up,
  Down,
  Left,
  Right,
  Previous,
  Next,
  Rewind,
  FastForward,
  Play,
  Pause,
  Stop
};

// A button's outline and the colour family of it at rest; every lit button is green.
enum class Shape : std::uint8_t { Pill, Circle };
enum class Finish : std::uint8_t { Blue, Red, Olive, Orange, Slate, Green };

// When a button reads as checked: a choice it shows rather than a press in progress.
enum class CheckRule : std::uint8_t {
  None,
  SelectedSource,    // the monitor's source: video off as the window is made, then the last pressed
  Muted,             // MUTE while the sound is muted
  LeftProjectorOn,   // the button of the phase a projector has entered: ON while warming up or on,
  LeftProjectorOff,  // OFF while cooling down or off; the blinking of a phase does not change it
  RightProjectorOn,
  RightProjectorOff,
};

struct ButtonRef {
  ArrayId array;
  int index;
  friend bool operator==(const ButtonRef&, const ButtonRef&) = default;
};

struct ButtonEntry {
  // The printed words ('\n' where a caption has two lines of separate words), or empty when a symbol is
  // printed instead.
  std::string_view label = {};
  // The label as printed when Japanese is broken into lines (a break that is no space between words).
  std::string_view lines = {};
  // What a screen reader calls it, where the label alone would not do; otherwise the label, or the symbol's
  // words.
  std::string_view name = {};
  std::string_view description = {};
  ArrayId array = ArrayId::SWm;
  std::uint8_t index = 0;
  ButtonKind kind = ButtonKind::Label;
  Area area = Area::Top;
  Symbol symbol = Symbol::Play;
  Shape shape = Shape::Pill;
  Finish finish = Finish::Blue;
  std::uint8_t pixels = 9;  // the caption's size
  CheckRule checked = CheckRule::None;
};

// Every button and screen label, in the panel's visual order: the top buttons, the sources from the top of
// the arc, the sends and the screen labels, the volume, then the popups' and the remotes' buttons. Keyboard
// focus and the accessible tree follow this order.
std::span<const ButtonEntry> Catalogue();
const ButtonEntry& CatalogueEntry(ArrayId id, int index);

// The words a screen reader says for a symbol.
std::string_view SymbolWords(Symbol s);
// The close button of popup k.
ButtonRef CloseButtonOf(int popup);
// The remote panel a source brings in, and the source a remote panel with keys belongs to (-1 for the two
// text-only panels).
int RemoteOfSource(int source);
int SourceOfRemote(int panel);

}  // namespace yunuri
