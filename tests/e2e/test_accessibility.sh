#!/usr/bin/env bash
# What a screen reader and a keyboard user meet: the accessible tree, a press by its accessible action and the
# caption it announces, Tab to the volume and Space held to ramp it, Esc closing a popup, the muted meter.
E2E_SESSION_BUS=1
source "$(dirname "$0")/lib.sh"
A11Y="/usr/bin/python3 $(dirname "$0")/a11y.py"
start_x
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
PIDS+=($!)
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true'
}
wait_for a11y_bus_up || fail "the accessibility bus did not start"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 launch
wid=$(wait_window "$PANEL_PID")
# The meter's value stays $1 ("meter at ..." as a11y.py prints it). Nothing later would give away a tick that
# still ramped, so it is watched for five ticks.
meter_stays() { [ "$($A11Y meter 0 100)" = "$1" ]; }
stays_put() {
  local now
  now=$($A11Y meter 0 100)
  keeps_for 500 meter_stays "$now"
}
X=$(xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left X: *//p')
Y=$(xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left Y: *//p')

check "tree: roles, names, order, states, extents" $A11Y tree "$X" "$Y"
check "the notice dismissed by its action" $A11Y dismiss
check "sources showing once the notice is gone" wait_for $A11Y showing ノートPC yes
check "a source pressed by its action announces the caption" \
  $A11Y press ノートPC "ゆぬり～  ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡"
check "caption set" wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡"

# Tab order: three top buttons, twelve sources, two sends, then ▲.
xdotool windowfocus --sync "$wid"
for _ in $(seq 18); do xdotool key --window "$wid" Tab; done
check "eighteen Tabs reach the volume up button" wait_for $A11Y focused 音量を上げる
xdotool keydown --window "$wid" space
check "Space held ramps the volume up from 50" wait_for $A11Y meter 56 100
xdotool keyup --window "$wid" space
check "the ramp stopped with the key" stays_put
level=$($A11Y meter 56 100 | sed -n 's/^meter at \([0-9]*\).*/\1/p') # whole points

$A11Y press プロジェクタ電源 >/dev/null
check "the power popup slides down" wait_for $A11Y showing "×Close" yes
xdotool key --window "$wid" Escape
check "Esc closes it" wait_for $A11Y showing "×Close" no
check "MUTE by its action" $A11Y press MUTE "ゆぬり～  室内の音声が消えました｡"
check "the meter says it is muted, at the level it had" $A11Y meter "$level" "$level" muted
finish
