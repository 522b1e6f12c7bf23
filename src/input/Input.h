#pragma once

#include <optional>
#include <vector>

#include "window/Form1.h"

// The one way into the panel's handlers. The mouse, the keyboard, touch points and accessible actions all
// become a press and a release of a target here, so one press at a time, capture and capture loss behave the
// same whatever the visitor uses.
namespace yunuri {

enum class MouseButton : std::uint8_t { Left, Right, Middle, Other };

// Mouse and touch. Coordinates are window client pixels; the press goes to the topmost target under the point
// and its release to the same target wherever it comes. The first finger acts as the left button.
void MouseDown(Form1& f, int x, int y, MouseButton button);
void MouseUp(Form1& f, int x, int y, MouseButton button);
void TouchDown(Form1& f, int x, int y);
void TouchUp(Form1& f, int x, int y);

// The keyboard. A press key (Space, Enter; `key` is the platform's code for it) going down presses the
// focused button, or clicks the notice; the press belongs to that key: it ends when that key comes up, never
// by another. A key already down (its auto-repeat) presses nothing, and a key refused because another press
// was held presses nothing until it has come up.
void KeyDown(Form1& f, int key, ArrayId id, int index);
void KeyDownOnNotice(Form1& f, int key);
void KeyUp(Form1& f, int key);
// The window lost the keyboard: the keys may come up elsewhere, so every key counts as up.
void KeysLost(Form1& f);
// Keyboard focus moved off the button a key holds: as a toolkit's button lets go when focus leaves it, the
// key's press is lost (a cancelled release).
void KeyPressLost(Form1& f);

// A press and a release, as an accessible Press action does. A ramp button (volume up or down) is held until
// one tick has stepped it, so each action moves the level one point. False when nothing was pressed: the
// button is out of sight, or another press is in progress.
bool Activate(Form1& f, ArrayId id, int index);
bool DismissNotice(Form1& f);
// After every tick: lets go of an action's press held for the tick.
void TickDone(Form1& f);
// The whole tick, as the shell runs it every 100 ms before it repaints: Timer1_Timer, then TickDone.
void Tick(Form1& f);
// Esc: presses and releases the close button of the popup opened last among those wanted open. While a key
// holds a press, Esc only loses that press.
bool CloseTopPopup(Form1& f);

// The window lost the mouse, the keyboard focus or the touch point while a press was held: the held button
// lets go as by a cancelled release, which ends a ramp but never closes a popup or ends the program.
void CaptureLost(Form1& f);

// Keyboard focus moves over the buttons a visitor can see, in the catalogue's order: the top buttons, the
// sources top to bottom, the sends, the volume, then the popups' and the remote's buttons.
std::vector<ButtonRef> FocusChain(const Form1& f);
// The next (step 1) or previous (step -1) button of the chain, wrapping; from no button or one that went out
// of sight, the first or the last.
std::optional<ButtonRef> NextFocus(const Form1& f, std::optional<ButtonRef> from, int step);
// The nearest button of the same area of the panel in an arrow's direction (dx, dy one of -1, 0, 1), if any.
std::optional<ButtonRef> FocusToward(const Form1& f, ButtonRef from, int dx, int dy);
// Where keyboard focus goes after an input or a tick moved things: into a popup a key or an action opened,
// once it has slid in; back to a closing popup's top button; to the selected source when the remote under the
// focus leaves; to the nearest button in view when the focused one went out of sight; to the first top button
// once a key or an action dismissed the notice. Otherwise it stays.
std::optional<ButtonRef> FocusFollow(Form1& f, std::optional<ButtonRef> focus);

}  // namespace yunuri
