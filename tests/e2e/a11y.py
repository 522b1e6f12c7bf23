"""What a screen reader sees of the panel, through AT-SPI. Run with Debian's /usr/bin/python3 (pyatspi).

Subcommands (each prints what it found and exits 0, or prints why and exits 1):
  tree X Y                 the tree: groups, roles, names, states, extents (X Y: the client area's origin)
  press NAME [CAPTION]     the button's Press action; with CAPTION, waits for the caption's notification to be
                           shown once and, when the press leaves the button checked, for that to be told
  dismiss                  the notice's Press action
  focused NAME             the focused node is NAME
  showing NAME yes|no      whether the first node named NAME is showing
  meter LOW HIGH [muted]   the meter's value lies within LOW..HIGH, and its description says muted or not
  popup NAME               the top button NAME's Press; its popup (a dialog) is told as it comes into view,
                           with its texts and buttons, and the top button reads as expanded
  cooldown                 OFF of the left projector by its action: told checked once, described as cooling
                           down, and no blink told for a second and a half
  send NAME LABEL          the send button's Press: the screen label's new name LABEL is told
  mute CAPTION             MUTE's Press: the meter's new description is told, and the caption once
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


def children(node):
    return [node[i] for i in range(node.childCount)]


def everything(node):
    out = []
    for c in children(node):
        out.append(c)
        out.extend(everything(c))
    return out


def named(win, name):
    for c in everything(win):
        if c.name == name:
            return c
    fail("nothing named " + name)


def has(c, state):
    return c.getState().contains(state)


def showing(c):
    return has(c, pyatspi.STATE_SHOWING)


def do_action(c, action):
    a = c.queryAction()
    for i in range(a.nActions):
        if a.getName(i) == action:
            a.doAction(i)
            return
    fail(c.name + " has no action " + action)


BUTTON_ROLES = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX)


def check_tree(win, x, y):
    kids = children(win)
    nodes = everything(win)
    if win.name != "ゆぬり～" or win.getRoleName() != "frame":
        fail("window %r, %s" % (win.name, win.getRoleName()))
    notice = kids[0]
    if notice.getRole() != pyatspi.ROLE_DIALOG or not showing(notice) or not has(notice, pyatspi.STATE_FOCUSED):
        fail("the first child is not the notice shown and focused as a dialog")
    if "ご利用いただき" not in notice.description:
        fail("the notice's text is not its description")
    buttons = [c for c in nodes if c.getRole() in BUTTON_ROLES]
    if len(buttons) != 80:
        fail("%d buttons, expected 80" % len(buttons))
    # Printed labels repeat (送出, 電源 ON, ×Close); the names do not, and begin with the printed words. The
    # remote area's cards share key names, but only one card is ever in view.
    names = [c.name for c in buttons]
    unique = [c.name for c in buttons if c.parent.name != "リモコン操作"]
    if len(set(unique)) != len(unique):
        fail("names repeated: %r" % sorted({n for n in unique if unique.count(n) > 1}))
    for want in ["送出 左側スクリーンへ", "電源 ON 左側プロジェクター", "×Close 終了確認を閉じる"]:
        if want not in names:
            fail("no button named " + want)
    if names[:5] != ["プロジェクタ電源", "CD/MD操作", "終了", "デスクトップPC", "映像OFF"]:
        fail("order begins %r" % names[:5])
    if any(showing(b) for b in buttons):
        fail("a button under the notice is showing")
    if not all(b.description for b in buttons):
        fail("a button has no description")
    # Containers: the areas are named groups, the popups dialogs, each holding its buttons.
    groups = {c.name: c for c in kids if c.getRole() in (pyatspi.ROLE_PANEL, pyatspi.ROLE_DIALOG)}
    for name, role, member in [("モニター映像選択", pyatspi.ROLE_PANEL, "デスクトップPC"),
                               ("スクリーン映像選択", pyatspi.ROLE_PANEL, "送出 右側スクリーンへ"),
                               ("ボリューム操作", pyatspi.ROLE_PANEL, "MUTE"),
                               ("終了確認", pyatspi.ROLE_DIALOG, "終了実行"),
                               ("リモコン操作", pyatspi.ROLE_PANEL, "Zoom +")]:
        g = groups.get(name)
        if g is None or g.getRole() != role or member not in [c.name for c in children(g)]:
            fail("no group %s holding %s" % (name, member))
        if any(c.parent != g for c in children(g)):
            fail("a child of %s names another parent" % name)
    if "よろしいですか" not in groups["終了確認"].description:
        fail("the exit confirmation does not say its question")
    source = named(win, "デスクトップPC")
    if source.getRole() != pyatspi.ROLE_RADIO_BUTTON or named(win, "MUTE").getRole() != pyatspi.ROLE_CHECK_BOX:
        fail("sources are not radio buttons or MUTE is no check box")
    if not has(named(win, "映像OFF"), pyatspi.STATE_CHECKED) or has(source, pyatspi.STATE_CHECKED):
        fail("the selected source alone reads as checked")
    if has(named(win, "終了"), pyatspi.STATE_EXPANDABLE) or has(named(win, "終了"), pyatspi.STATE_COLLAPSED):
        fail("a top button reads as collapsed while its popup is closed")
    ext = source.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if (ext.x - x, ext.y - y, ext.width, ext.height) != (208, 36, 77, 19):
        fail("extents of デスクトップPC: %r" % ((ext.x - x, ext.y - y, ext.width, ext.height),))
    # What a sighted visitor reads is there as labels, shown only while in view.
    # The notice's paragraphs are paragraphs: a screen reader reads labels in a dialog besides its description.
    labels = {c.name: c for c in nodes if c.getRole() == pyatspi.ROLE_LABEL}
    labels.update({c.name: c for c in nodes if c.getRole() == pyatspi.ROLE_PARAGRAPH and c.parent.name == notice.name})
    for text in ["「ゆぬり～」をご利用いただき、誠にありがとうございます。", "-左側プロジェクター-",
                 "機器を選択して下さい。", "操作は実機にて行って下さい。", "モニター映像選択", "リモコン操作",
                 "スクリーン映像選択", "ボリューム操作", "左側スクリーン: 映像OFF", "右側スクリーン: 映像OFF"]:
        if text not in labels:
            fail("no label " + text)
    if not showing(labels["「ゆぬり～」をご利用いただき、誠にありがとうございます。"]) or \
            showing(labels["-左側プロジェクター-"]):
        fail("labels shown out of view, or not in view")
    line = [c for c in kids if c.getRole() == pyatspi.ROLE_STATUS_BAR][0]
    ext = line.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    # The strip under the panel, or the title bar's line without it.
    if ext.height <= 0 or (ext.y + ext.height > y and (ext.x, ext.y) != (x, y + 300)):
        fail("the status line's extents %r are not the strip's nor the title's line" %
             ((ext.x, ext.y, ext.width, ext.height),))
    meter = [c for c in nodes if c.getRole() == pyatspi.ROLE_PROGRESS_BAR][0]
    print("tree: %d nodes, %d buttons, %d labels; meter actions %r" %
          (len(nodes), len(buttons), len(labels), [meter.queryAction().getName(i)
                                                   for i in range(meter.queryAction().nActions)]))


class Listener:
    """Collects AT-SPI events of some kinds while an action runs, until a condition holds or time is up."""

    def __init__(self, *kinds):
        self.events = []
        self.kinds = kinds
        self.loop = GLib.MainLoop()
        self.done = lambda events: False
        for k in kinds:
            pyatspi.Registry.registerEventListener(self.on_event, k)

    def on_event(self, event):
        try:
            name = event.source.name
            role = event.source.getRole()
        except Exception:  # the source went away
            return
        self.events.append((event.type, name, role, event.detail1))
        if self.done(self.events):
            self.loop.quit()

    def run(self, action, done, seconds=3):
        self.done = done
        action()
        GLib.timeout_add(int(seconds * 1000), self.loop.quit)
        self.loop.run()
        for k in self.kinds:
            pyatspi.Registry.deregisterEventListener(self.on_event, k)
        return self.events


def shown_notes(events, caption):
    return [e for e in events if e[0] == "object:state-changed:showing" and e[2] == pyatspi.ROLE_NOTIFICATION
            and e[1] == caption and e[3] == 1]


def press_and_hear(win, name, caption):
    button = named(win, name)
    listener = Listener("object:state-changed:showing", "object:state-changed:checked")
    if not caption:
        do_action(button, "Press")
        print("pressed " + name)
        return
    # The caption is told by showing its notification; a choice it makes is told as the button turns checked.
    def heard_all(events):
        checked = [e for e in events if e[0] == "object:state-changed:checked" and e[1] == name and e[3] == 1]
        return shown_notes(events, caption) and (checked or not has(button, pyatspi.STATE_CHECKED))
    events = listener.run(lambda: do_action(button, "Press"), heard_all)
    if len(shown_notes(events, caption)) != 1:
        fail("the notification of %r shown %d times" % (caption, len(shown_notes(events, caption))))
    if not heard_all(events):
        fail("no change to checked told on " + name)
    print("pressed %s; heard %s" % (name, caption))


def open_popup(win, top):
    button = named(win, top)
    listener = Listener("object:state-changed:showing")
    events = listener.run(lambda: do_action(button, "Press"),
                          lambda ev: any(e[2] == pyatspi.ROLE_DIALOG and e[3] == 1 for e in ev))
    dialogs = [e[1] for e in events if e[2] == pyatspi.ROLE_DIALOG and e[3] == 1]
    if len(dialogs) != 1:
        fail("dialogs told as shown: %r" % dialogs)
    dialog = [c for c in children(win) if c.getRole() == pyatspi.ROLE_DIALOG and c.name == dialogs[0]][0]
    shown = [c.name for c in children(dialog) if showing(c)]
    if not shown or not has(button, pyatspi.STATE_EXPANDED):
        fail("%s shows %r; %s expanded: %s" % (dialogs[0], shown, top, has(button, pyatspi.STATE_EXPANDED)))
    print("%s told as shown with %r" % (dialogs[0], shown))


def cool_down(win):
    off = named(win, "電源 OFF 左側プロジェクター")
    # Nothing later would give away a blink told: the cool-down blinks every half second, so three blinks'
    # time is watched.
    events = Listener("object:state-changed:checked").run(lambda: do_action(off, "Press"), lambda ev: False, 1.5)
    told = sorted((e[1], e[3]) for e in events)
    if told != [("電源 OFF 左側プロジェクター", 1), ("電源 ON 左側プロジェクター", 0)]:
        fail("checked told as %r; OFF reads %r" % (told, off.description))
    if "クーリング中" not in off.description or not has(off, pyatspi.STATE_CHECKED):
        fail("OFF reads %r, checked %s" % (off.description, has(off, pyatspi.STATE_CHECKED)))
    print("cool-down told once: %r, %r" % (told, off.description))


def send(win, name, label):
    events = Listener("object:property-change:accessible-name").run(
        lambda: do_action(named(win, name), "Press"), lambda ev: any(e[1] == label for e in ev))
    if not any(e[1] == label for e in events):
        fail("no name change told to " + label)
    print("told " + label)


def mute(win, caption):
    meter = [c for c in everything(win) if c.getRole() == pyatspi.ROLE_PROGRESS_BAR][0]
    events = Listener("object:property-change:accessible-description", "object:state-changed:showing").run(
        lambda: do_action(named(win, "MUTE"), "Press"),
        lambda ev: shown_notes(ev, caption) and any(e[2] == pyatspi.ROLE_PROGRESS_BAR for e in ev))
    if len(shown_notes(events, caption)) != 1 or not any(e[2] == pyatspi.ROLE_PROGRESS_BAR for e in events):
        fail("told %r" % events)
    print("muted; the meter reads %r" % meter.description)


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
        hits = [c.name for c in everything(win) if has(c, pyatspi.STATE_FOCUSED)]
        if hits != [sys.argv[2]]:
            fail("focused: %r" % hits)
    elif cmd == "showing":
        if showing(named(win, sys.argv[2])) != (sys.argv[3] == "yes"):
            fail(sys.argv[2] + " showing is not " + sys.argv[3])
    elif cmd == "meter":
        meter = [c for c in everything(win) if c.getRole() == pyatspi.ROLE_PROGRESS_BAR][0]
        value = meter.queryValue().currentValue
        if not int(sys.argv[2]) <= value <= int(sys.argv[3]):
            fail("meter at %s" % value)
        if ("muted" in meter.description) != (sys.argv[4:] == ["muted"]):
            fail("meter described as %r" % meter.description)
        print("meter at %s, %r" % (value, meter.description))
    elif cmd == "popup":
        open_popup(win, sys.argv[2])
    elif cmd == "cooldown":
        cool_down(win)
    elif cmd == "send":
        send(win, sys.argv[2], sys.argv[3])
    elif cmd == "mute":
        mute(win, sys.argv[2])
    else:
        fail("unknown command " + cmd)


main()
