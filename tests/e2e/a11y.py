"""What a screen reader sees of the panel, through AT-SPI. Run with Debian's /usr/bin/python3 (pyatspi).

Subcommands (each prints what it found and exits 0, or prints why and exits 1):
  tree X Y                 the tree: roles, names, states, extents (X Y: the client area's screen origin)
  press NAME [CAPTION]     the button's Press action; with CAPTION, waits for the window's name to announce it
                           and, when the press leaves the button checked, for that to be announced
  dismiss                  the notice's Press action
  focused NAME             the focused child is NAME
  showing NAME yes|no      whether the first child named NAME is showing
  meter LOW HIGH [muted]   the meter's value lies within LOW..HIGH, and its description says muted or not
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(why):
    print("a11y: " + why)
    sys.exit(1)


def panel_window():
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "yunuri" and app.childCount > 0:
                return app[0]
        time.sleep(0.1)
    fail("the panel is not on the accessibility bus")


def children(win):
    return [win[i] for i in range(win.childCount)]


def named(win, name):
    for c in children(win):
        if c.name == name:
            return c
    fail("no child named " + name)


def states(c):
    return c.getState()


def showing(c):
    return states(c).contains(pyatspi.STATE_SHOWING)


def do_action(c, action):
    a = c.queryAction()
    for i in range(a.nActions):
        if a.getName(i) == action:
            a.doAction(i)
            return
    fail(c.name + " has no action " + action)


def check_tree(win, x, y):
    kids = children(win)
    if win.name != "ゆぬり～":
        fail("window named %r" % win.name)
    if win.getRoleName() != "frame":
        fail("window role " + win.getRoleName())
    notice = kids[0]
    if notice.getRole() != pyatspi.ROLE_DIALOG or not showing(notice):
        fail("the first child is not the notice shown as a dialog")
    buttons = [c for c in kids if c.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if len(buttons) != 80:
        fail("%d buttons, expected 80" % len(buttons))
    names = [c.name for c in buttons]
    for want in ["デスクトップPC", "ノートPC", "映像OFF", "送出", "音量を上げる", "MUTE", "再生", "早送り",
                 "終了実行", "×Close"]:
        if want not in names:
            fail("no button named " + want)
    # In the panel's visual order: the top buttons, then the sources from the top of the arc down.
    if names[:5] != ["プロジェクタ電源", "CD/MD操作", "終了", "デスクトップPC", "映像OFF"]:
        fail("order begins %r" % names[:5])
    if any(showing(b) for b in buttons):
        fail("a button under the notice is showing")
    if not all(b.description for b in buttons):
        fail("a button has no description")
    ext = named(win, "デスクトップPC").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if (ext.x - x, ext.y - y, ext.width, ext.height) != (208, 36, 77, 19):
        fail("extents of デスクトップPC: %r" % ((ext.x - x, ext.y - y, ext.width, ext.height),))
    if not named(win, "映像OFF").getState().contains(pyatspi.STATE_CHECKED):
        fail("the selected source is not checked")
    labels = [c.name for c in kids if c.getRole() == pyatspi.ROLE_LABEL]
    if labels != ["左側スクリーン: 映像OFF", "右側スクリーン: 映像OFF"]:
        fail("screen labels %r" % labels)
    print("tree: %d children, %d buttons" % (len(kids), len(buttons)))


def press_and_hear(win, name, caption):
    heard = []
    checked = []
    loop = GLib.MainLoop()
    button = named(win, name)

    # A choice it makes (a source, MUTE) is announced as the button turns checked.
    def heard_all():
        if heard and (checked or not states(button).contains(pyatspi.STATE_CHECKED)):
            loop.quit()

    def on_name(event):
        if event.source is not None and event.source.name == caption:
            heard.append(event.source.getRoleName())
            heard_all()

    def on_checked(event):
        if event.source is not None and event.source.name == name:
            checked.append(event.detail1)
            heard_all()

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(on_checked, "object:state-changed:checked")
    do_action(button, "Press")
    if caption:
        GLib.timeout_add(3000, loop.quit)
        loop.run()
        if not heard:
            fail("no name change announced " + caption)
        if states(button).contains(pyatspi.STATE_CHECKED) and 1 not in checked:
            fail("no change to checked announced on " + name)
    print("pressed %s; heard on %s" % (name, ", ".join(heard) or "-"))


def main():
    cmd = sys.argv[1]
    win = panel_window()
    if cmd == "tree":
        check_tree(win, int(sys.argv[2]), int(sys.argv[3]))
    elif cmd == "press":
        press_and_hear(win, sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else None)
    elif cmd == "dismiss":
        do_action(children(win)[0], "Press")
    elif cmd == "focused":
        hits = [c.name for c in children(win) if states(c).contains(pyatspi.STATE_FOCUSED)]
        if hits != [sys.argv[2]]:
            fail("focused: %r" % hits)
    elif cmd == "showing":
        if showing(named(win, sys.argv[2])) != (sys.argv[3] == "yes"):
            fail(sys.argv[2] + " showing is not " + sys.argv[3])
    elif cmd == "meter":
        meter = [c for c in children(win) if c.getRole() == pyatspi.ROLE_PROGRESS_BAR][0]
        value = meter.queryValue().currentValue
        if not int(sys.argv[2]) <= value <= int(sys.argv[3]):
            fail("meter at %s" % value)
        if ("muted" in meter.description) != (sys.argv[4:] == ["muted"]):
            fail("meter described as %r" % meter.description)
        print("meter at %s, %r" % (value, meter.description))
    else:
        fail("unknown command " + cmd)


main()
