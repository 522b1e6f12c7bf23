#pragma once

#include <QPoint>
#include <optional>

#include "input/Focus.h"
#include "input/Input.h"

class QEvent;
class QTouchEvent;
class QWidget;

// What Qt's events mean to the panel.
namespace yunuri {

class PanelZoom;

// A mouse button going down at a panel point. A click moves keyboard focus to the button clicked, without the
// ring: the ring is for keyboard users.
void mouseDown(Form1& f, Focus& focus, QPoint at, int qtButton);
void mouseUp(Form1& f, QPoint at, int qtButton);
// Touch points: the first finger down holds the press and only its lift lets go; other fingers are ignored.
// `finger` keeps the finger that holds the press.
void touchPoints(Form1& f, const QTouchEvent& event, const PanelZoom& zoom, std::optional<int>& finger);
// The keys that press the focused button, as a button's own keys do in every toolkit.
bool isPressKey(int key);
// Whether `key` is one the panel takes from the keyboard: a press key, Esc or an arrow.
bool isPanelKey(int key);
// A panel key going down: presses the focused button (or clicks the notice), closes the popup opened last, or
// moves the focus in an arrow's direction. True when it moved the focus.
bool panelKeyDown(Form1& f, Focus& focus, int key);
// Whether moving the focus from `from` to `to` went round the end of the panel's order.
bool wrapsAround(ButtonRef from, ButtonRef to, bool next);
// Whether `event` to `window` ends a held press where it is: the window lost the mouse, the focus or the
// touch point, or a press's release went elsewhere (another client held the pointer when it came).
bool endsPress(const QWidget& window, const QEvent& event);

}  // namespace yunuri
