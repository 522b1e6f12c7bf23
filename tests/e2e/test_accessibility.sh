#!/usr/bin/env bash
# What a screen reader and a keyboard user meet: the accessible tree (groups, dialogs, labels, roles, names),
# presses by accessible action and the captions and changes they tell, Tab to the volume and Space held to
# ramp it, a popup told as it slides in, a cool-down told once, Esc closing a popup, the muted meter.
E2E_SESSION_BUS=1
source "$(dirname "$0")/lib.sh"
A11Y="/usr/bin/python3 $(dirname "$0")/a11y.py"
start_x
start_a11y_bus
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 open_panel
# The meter's value stays $1 ("meter at ..." as a11y.py prints it). Nothing later would give away a tick that
# still ramped, so it is watched for five ticks.
meter_stays() { [ "$($A11Y meter 0 100)" = "$1" ]; }
stays_put() {
  local now
  now=$($A11Y meter 0 100)
  keeps_for 500 meter_stays "$now"
}
level() { $A11Y meter 0 100 | sed -n 's/^meter at \([0-9]*\).*/\1/p'; }
X=$(xwininfo -id "$WID" | sed -n 's/.*Absolute upper-left X: *//p')
Y=$(xwininfo -id "$WID" | sed -n 's/.*Absolute upper-left Y: *//p')

xdotool windowfocus --sync "$WID"
check "tree: groups, roles, names, order, states, extents" wait_for $A11Y tree "$X" "$Y"
check "the notice dismissed by its action" $A11Y dismiss
check "sources showing once the notice is gone" wait_for $A11Y showing ノートPC yes
check "the focus on the first top button" wait_for $A11Y focused プロジェクタ電源
check "a source pressed by its action: its caption told once without the title, its choice told" \
  $A11Y press ノートPC "ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡"
check "caption set" wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡"
check "the screen label's new name told" $A11Y send "送出 左側スクリーンへ" "左側スクリーン: ノートPC"

# Tab order: from the first top button, two more top buttons, twelve sources, two sends, then ▲.
for _ in $(seq 17); do xdotool key --window "$WID" Tab; done
check "seventeen Tabs reach the volume up button" wait_for $A11Y focused 音量を上げる
xdotool keydown --window "$WID" space
check "Space held ramps the volume up from 50" wait_for $A11Y meter 56 100
xdotool keyup --window "$WID" space
check "the ramp stopped with the key" stays_put
before=$(level)
check "▲ by its action" $A11Y press 音量を上げる
check "moves the level one point" wait_for $A11Y meter $((before + 1)) $((before + 1))

check "the power popup told as it slides in, its top button expanded" $A11Y popup プロジェクタ電源
check "the popup slid in" wait_for $A11Y showing "電源 OFF 左側プロジェクター" yes
check "a cool-down told once, described, never its blink" $A11Y cooldown
xdotool key --window "$WID" Escape
check "Esc closes it" wait_for $A11Y showing "×Close プロジェクタ電源を閉じる" no
level=$(level)
check "MUTE by its action: the meter's description and the caption told" $A11Y mute "室内の音声が消えました｡"
check "the meter says it is muted, at the level it had" $A11Y meter "$level" "$level" muted
finish
