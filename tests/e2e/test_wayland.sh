#!/usr/bin/env bash
# A smoke test on Wayland: under weston's kiosk shell, headless, `yunuri --kiosk` asks the compositor itself for
# full screen (xdg_toplevel.set_fullscreen, not a window sized like the screen), is given the output's size, runs
# ten seconds without a word on standard error and ends on SIGTERM with status 0 and no lock left. Skipped (77)
# where weston, its kiosk shell or Qt's Wayland plugin is missing.
source "$(dirname "$0")/lib.sh"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
command -v weston >/dev/null && ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
  skip "needs weston and qt6-wayland"
socket=yunuri-e2e
weston --backend=headless-backend.so --shell=kiosk-shell.so --width=1024 --height=640 --socket="$socket" \
  --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
PIDS+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start: $(tail -3 "$E2E_TMP/weston.log")"
! grep -q "fatal: failed to create compositor shell" "$E2E_TMP/weston.log" || skip "weston has no kiosk shell"

# The client's side of the protocol is traced to standard error, each message on a line of its own that starts
# with its time in brackets; anything else there is the program or the toolkit speaking.
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client launch --kiosk
spoken() { grep -v '^\[' "$PANEL_LOG" || true; }
told_fullscreen() { grep -qE '^\[[0-9. ]+\] +xdg_toplevel@[0-9]+\.configure\(1024, 640,' "$PANEL_LOG"; }
require "the compositor gives the panel the whole output" wait_for told_fullscreen
check "--kiosk asks for full screen itself" grep -qE -- '-> xdg_toplevel@[0-9]+\.set_fullscreen\(' "$PANEL_LOG"

# The ten seconds are what is tested: a late warning or a crash has no event of its own to wait for.
alive() { kill -0 "$PANEL_PID" 2>/dev/null; }
check "ten seconds running" keeps_for 10000 alive
kill -TERM "$PANEL_PID"
check "SIGTERM ends it with status 0" ends_cleanly "$PANEL_PID" 5
check "and no lock left" test ! -e "$XDG_RUNTIME_DIR/yunuri.lock"
spoken >"$E2E_TMP/spoken"
check "not a word from the panel or the toolkit" silent "$E2E_TMP/spoken"
finish
