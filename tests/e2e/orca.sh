# A real screen reader for the end-to-end tests: Orca on the test's private bus. Orca has no interface that
# tells what it said, so its speech is read from the debug log its --debug-file option writes (lines `SPEECH
# OUTPUT: '...'` are what a visitor would hear). Source after lib.sh, in a test that set E2E_SESSION_BUS=1, once
# start_x has run.
#
#   start_orca            the AT-SPI bus, speech-dispatcher's private settings, Orca; waits until Orca runs
#   launch_heard          the panel with Qt's accessibility on; its window id in $WID, active and seen
#   mark                  prints a position in Orca's log, for the two below
#   wait_heard RE [MARK]  waits (at most 10 s) until Orca said something matching RE (grep -E) after MARK
#   heard_since MARK      prints what Orca said after MARK, one line each
#   key KEY...            types keys into the active window, one by one, each once Orca has settled

export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config" XDG_DATA_HOME="$E2E_TMP/home/.local/share"
export XDG_CACHE_HOME="$E2E_TMP/home/.cache" GSETTINGS_BACKEND=memory
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
ORCA_LOG="$E2E_TMP/orca.log"
: >"$ORCA_LOG"

# Once Orca has ended: speech-dispatcher (which Orca starts on demand, in the private runtime directory) after
# its output module, which would otherwise be left behind as a zombie; on a failure, what Orca said.
stop_speech() {
  local pid spd
  spd=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
  if [ -n "$spd" ] && kill -0 "$spd" 2>/dev/null; then
    for pid in $(pgrep -P "$spd" || true); do kill "$pid" 2>/dev/null || true; done
    for pid in $(pgrep -P "$spd" || true); do within 2 gone "$pid" || true; done
    kill "$spd" 2>/dev/null || true
    within 3 gone "$spd" || kill -9 "$spd" 2>/dev/null || true
  fi
  [ -z "${ORCA_KEEP:-}" ] || cp "$ORCA_LOG" "$ORCA_KEEP"
  if [ "$E2E_STATUS" != 0 ]; then
    echo "--- what Orca said:" >&2
    heard_since 0 >&2
  fi
}
AT_EXIT+=(stop_speech)

# True when a line after position $1 of Orca's log matches $2. (awk reads the whole log: `tail | grep -q`
# fails now and then under pipefail, when grep has its answer before tail has written everything.)
logged() { awk -v m="$1" -v re="$2" 'NR > m && $0 ~ re { found = 1 } END { exit !found }' "$ORCA_LOG"; }
mark() { wc -l <"$ORCA_LOG"; }
heard_since() { awk -v m="$1" 'NR > m && /SPEECH OUTPUT:/ { sub(/^.*SPEECH OUTPUT: /, ""); print }' "$ORCA_LOG"; }
wait_heard() { within 10 logged "${2:-0}" "SPEECH OUTPUT: .*$1"; }

# Waits until Orca has written nothing for a second (at most 20 s): what a key set off has all been said.
settled() {
  local size now last _
  size=$(stat -c %s "$ORCA_LOG")
  last=$(date +%s%N)
  for _ in $(seq 200); do
    sleep 0.1
    now=$(stat -c %s "$ORCA_LOG")
    if [ "$now" != "$size" ]; then
      size=$now
      last=$(date +%s%N)
    elif (($(date +%s%N) - last > 1000000000)); then
      return 0
    fi
  done
  return 1
}

key() {
  local k
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    settled || fail "Orca did not settle after $k"
  done
}

start_orca() {
  start_a11y_bus
  # Speech without a sound card: the dummy voice into ALSA's null device.
  cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" "dummy.conf"
DefaultModule dummy
Include "/etc/speech-dispatcher/clients/*.conf"
CONF
  mkdir -p "$E2E_TMP/orca-prefs"
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/orca_launch.py" -u "$E2E_TMP/orca-prefs" \
    --debug-file="$ORCA_LOG" >"$E2E_TMP/orca.out" 2>&1 &
  PIDS+=($!)
  disown
  within 30 logged 0 "ORCA: Starting registry" || fail "Orca did not start: $(tail -3 "$E2E_TMP/orca.out")"
  settled || fail "Orca did not settle after starting"
}

# One try at launching the panel and having Orca follow it; false if Orca saw no activation.
launch_once() {
  local from end
  from=$(mark)
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 open_panel
  # Orca follows only a window it saw become active, and the window is active before the panel has joined
  # the accessibility bus; the panel also hears which events Orca wants only a moment after joining. So:
  # once Orca has seen the panel join, the window is made active again until Orca has taken it.
  within 20 logged "$from" 'children-changed:add for \[desktop frame.*\[application \| yunuri\]' ||
    fail "Orca never saw the panel"
  end=$(($(date +%s) + 15))
  while [ "$(date +%s)" -lt "$end" ]; do
    xdotool windowminimize --sync "$WID" >/dev/null 2>&1 || true
    xdotool windowactivate --sync "$WID" >/dev/null 2>&1 || xdotool windowfocus --sync "$WID"
    within 3 logged "$from" 'EVENT MANAGER: window:activate' && return 0
  done
  return 1
}

# On a busy machine a panel now and then never sends its window's events (it asked the accessibility
# registry which ones are wanted before Orca's answer was there): such a panel is ended and started again.
launch_heard() {
  local _
  for _ in 1 2 3; do
    launch_once && return 0
    kill "$PANEL_PID"
    within 5 gone "$PANEL_PID" || kill -9 "$PANEL_PID" 2>/dev/null || true
  done
  fail "Orca saw no window activation"
}
