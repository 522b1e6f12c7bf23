#!/usr/bin/env bash
# What a blind visitor hears from a real screen reader (Orca), with the keyboard only: the notice's text at
# start; Space dismisses it; a source pressed with Space has its caption spoken once; the exit confirmation
# opened from the keyboard says its heading, its question and 「終了実行」, where the focus went; Esc brings the
# focus back to 「終了」. Set ORCA_KEEP=FILE to keep Orca's log.
E2E_SESSION_BUS=1
source "$(dirname "$0")/lib.sh"
command -v orca >/dev/null || fail "Orca is not installed (scripts/install-deps)"
source "$(dirname "$0")/orca.sh"
start_x
start_orca
launch_heard

# Orca's key echo says every key too ('space ', 'tab '); only what the panel told is looked for.
check "the notice's text is read at start" wait_heard "「ゆぬり～」のご案内 dialog .*ご利用いただき.*押すと閉じて"

m=$(mark)
key space
check "Space dismisses the notice; the first top button has the focus" wait_heard "'プロジェクタ電源 " "$m"

m=$(mark)
key Tab Tab Tab
check "three Tabs reach the top source, in its group" wait_heard "'モニター映像選択 panel" "$m"
check "read as a radio button not selected" wait_heard "'not selected radio button" "$m"
m=$(mark)
caption="notification ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"
key space
check "Space on it speaks its caption" wait_heard "$caption" "$m"
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
check "Esc brings the focus back to 終了" wait_heard "'終了 .*push button" "$m"
check "the panel still runs" kill -0 "$PANEL_PID"
finish
