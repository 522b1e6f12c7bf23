#!/usr/bin/env bash
# A smoke test on Wayland: under weston's kiosk shell, headless, `yunuri --kiosk` asks the compositor itself for
# full screen (xdg_toplevel.set_fullscreen, not a window sized like the screen), is given the output's size, runs
# ten seconds without a word on standard error and ends on SIGTERM with status 0 and no lock left. Skipped (77)
# where weston, its kiosk shell or Qt's Wayland plugin is missing.
source "$(dirname "$0")/lib.sh"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if ! command -v weston >/dev/null || ! ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1; then
  echo "skipped: needs weston and qt6-wayland"
  exit 77
fi
socket=yunuri-e2e
weston --backend=headless-backend.so --shell=kiosk-shell.so --width=1024 --height=640 --socket="$socket" \
  --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
PIDS+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start: $(tail -3 "$E2E_TMP/weston.log")"
if grep -q "fatal: failed to create compositor shell" "$E2E_TMP/weston.log"; then
  echo "skipped: weston has no kiosk shell"
  exit 77
fi

# The client's side of the protocol is traced to standard error, each message on a line of its own that starts
# with its time in brackets; anything else there is the program or the toolkit speaking.
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client \
  "$YUNURI_BIN" --kiosk >"$E2E_TMP/panel.log" 2>&1 &
PANEL_PID=$!
PIDS+=("$PANEL_PID")
told_fullscreen() { grep -qE '^\[[0-9. ]+\] +xdg_toplevel@[0-9]+\.configure\(1024, 640,' "$E2E_TMP/panel.log"; }
wait_for told_fullscreen || fail "the compositor never gave the panel the output: $(grep -v '^\[' "$E2E_TMP/panel.log")"
grep -qE -- '-> xdg_toplevel@[0-9]+\.set_fullscreen\(' "$E2E_TMP/panel.log" || fail "--kiosk did not ask for full screen"
pass "--kiosk is full screen natively on Wayland"

# The ten seconds are what is tested: a late warning or a crash has no event of its own to wait for.
alive() { kill -0 "$PANEL_PID" 2>/dev/null; }
keeps_for 10000 alive || fail "the panel ended within ten seconds: $(grep -v '^\[' "$E2E_TMP/panel.log")"
kill -TERM "$PANEL_PID"
expect_clean_exit "$PANEL_PID" 5 "SIGTERM on Wayland"
spoken=$(grep -v '^\[' "$E2E_TMP/panel.log" || true)
[ -z "$spoken" ] || fail "the panel wrote on Wayland: $spoken"
[ ! -e "$XDG_RUNTIME_DIR/yunuri.lock" ] || fail "the lock was left behind"
pass "ten seconds without a warning, then SIGTERM ends it with status 0 and no lock left"
summary
