#!/usr/bin/env bash
# The DVD/VTR remote slides in and plays on a real click; releasing 終了実行 ends the program with status 0.
source "$(dirname "$0")/lib.sh"
start_x
open_panel
dismiss_notice "$WID"

click "$WID" dvd_vtr
check "source caption" wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
require "remote slides in" wait_area_settled "$WID" "$E2E_TMP/panel.png" "$E2E_TMP/remote.png" left_panel
click "$WID" play
check "play caption" wait_caption "$WID" "ゆぬり～  ｢DVD/VTR｣が再生を開始しました｡"
require "exit confirmation drops in" open_popup "$WID" exit exit_popup

hold "$WID" execute_exit
# The press has been handled once the key shows lit; a program that ended on it would never show that.
check "終了実行 lit while held, the program still running" \
  wait_area_changed "$WID" "$E2E_TMP/open.png" "$E2E_TMP/held.png" execute_exit
let_go
check "the release ends it with status 0" ends_cleanly "$PANEL_PID" 10
finish
