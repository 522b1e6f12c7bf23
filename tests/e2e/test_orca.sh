#!/usr/bin/env bash
# What a blind visitor hears from a real screen reader (Orca), with the keyboard only: the notice's text at
# start, once, in English; Ctrl+L turns the panel Japanese; Space dismisses the notice; the top buttons say what
# they show; a source pressed with Space has its caption spoken once, without the title the window's name
# already says; the exit confirmation opened from the keyboard says its heading, its question and 「終了実行」,
# where the focus went; Esc brings the focus back to 「終了」; the volume stepped from the keyboard is said
# with its name, and never a bare percentage. Set ORCA_KEEP=FILE to keep Orca's log.
E2E_SESSION_BUS=1
source "$(dirname "$0")/lib.sh"
command -v orca >/dev/null || fail "Orca is not installed (scripts/install-deps)"
source "$(dirname "$0")/orca.sh"
start_x
start_orca
open_panel() {
  launch --language en
  WID=$(wait_window "$PANEL_PID")
}
launch_heard

# Orca's key echo says every key too ('space ', 'tab '); only what the panel told is looked for.
check "the notice's text is read at start" wait_heard "About Yunuri dialog .*Thank you for using.*Press to close"
settled
notice_once() { [ "$(heard_since 0 | grep -c "Thank you for using")" = 1 ]; }
check "and only once" notice_once

m=$(mark)
key ctrl+l
check "Ctrl+L is told by the title in Japanese, the caption at start" wait_heard "'notification ゆぬり～'" "$m"
m=$(mark)
key space
check "Space dismisses the notice; the first top button has the focus" wait_heard "'プロジェクタ電源 " "$m"
check "read as a push button, nothing said of a popup that is not open" wait_heard "'プロジェクタ電源 push button" "$m"
check "and says what it shows" wait_heard "'左右のプロジェクタの電源を入れたり切ったりするボタンを出します" "$m"

m=$(mark)
key Tab Tab Tab
check "three Tabs reach the top source, in its group" wait_heard "'モニター映像選択 panel" "$m"
check "read as a radio button not selected" wait_heard "'not selected radio button" "$m"
m=$(mark)
caption="notification ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"
key space
check "Space on it speaks its caption, without the title" wait_heard "'$caption" "$m"
spoken_once() { [ "$(heard_since "$m" | grep -cF "$caption")" = 1 ]; }
check "the caption is spoken once" spoken_once

m=$(mark)
key shift+Tab
check "back to 終了" wait_heard "'終了 .*push button" "$m"
m=$(mark)
key space
check "the exit popup says its heading and question as the focus moves in" \
  wait_heard "終了確認 dialog システムの終了前に.*よろしいですか？" "$m"
check "and the focus is on 終了実行" wait_heard "'終了実行 push button" "$m"

m=$(mark)
key Escape
check "Esc brings the focus back to 終了" wait_heard "'終了 push button" "$m"
check "which says what it does" wait_heard "'プログラムを終了するか確かめます" "$m"

# Fifteen Tabs from 終了: twelve sources, two sends, then ▲. Orca reads each; only the last is waited for.
for _ in $(seq 15); do xdotool key --clearmodifiers Tab; done
settled
m=$(mark)
# Held for a few ticks: a tap may let go before the first step.
xdotool keydown space
sleep 0.5
xdotool keyup space
settled
check "the level it settled at is said with its name" wait_heard "'notification 音量 5[0-9]%" "$m"
unnamed() { ! heard_since 0 | grep -E "^'[0-9]+ percent"; }
check "no level is said without its name" unnamed
titled() { ! heard_since 0 | grep -E "notification (ゆぬり～|Yunuri) +[^ ']"; }
check "no caption's notification repeats the title" titled
collapsed() { ! heard_since 0 | grep collapsed; }
check "no top button is read as collapsed" collapsed
check "the panel still runs" kill -0 "$PANEL_PID"
finish
