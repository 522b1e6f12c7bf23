# shellcheck shell=bash
# Fake projectors for the end-to-end tests; source it after lib.sh.
#   start_fake NAME [OPTIONS...]  one fake_pjlink.py on a free loopback port, ended with the test: its port in
#                                 FAKE_PORT[NAME], every line it received ("> LINE") in $E2E_TMP/fake-NAME.log
#   fake NAME LINE                one line to its control port ("fault drop", "fault none", "power on")
#   stop_fake NAME                ends it, so that its port refuses
#   sent NAME PATTERN             how many lines received match PATTERN (grep -E, after "> ")
FAKE_PJLINK="$(dirname "${BASH_SOURCE[0]}")/fake_pjlink.py"
declare -A FAKE_PORT FAKE_CONTROL FAKE_PID

start_fake() {
  local name=$1 log="$E2E_TMP/fake-$1.log"
  shift
  # Its lifetime bounds it should the test be killed before its cleanup runs.
  /usr/bin/python3 "$FAKE_PJLINK" --port 0 --control-port 0 --lifetime 150 "$@" >"$log" 2>&1 &
  FAKE_PID[$name]=$!
  PIDS+=($!)
  within 5 grep -q '^control ' "$log" || fail "the fake projector $name did not start: $(cat "$log")"
  # shellcheck disable=SC2034 # read by the tests that source this
  FAKE_PORT[$name]=$(sed -n 's/^port //p' "$log")
  FAKE_CONTROL[$name]=$(sed -n 's/^control //p' "$log")
}

fake() {
  local name=$1 fd reply=''
  shift
  exec {fd}<>"/dev/tcp/127.0.0.1/${FAKE_CONTROL[$name]}"
  echo "$*" >&"$fd"
  read -r -t 5 reply <&"$fd" || true
  exec {fd}>&-
  [ "$reply" = ok ] || { echo "fake $name: '$*' answered '$reply'" >&2; return 1; }
}

stop_fake() {
  kill "${FAKE_PID[$1]}"
  within 5 gone "${FAKE_PID[$1]}"
}

sent() { sed -n 's/^> //p' "$E2E_TMP/fake-$1.log" | grep -cE -- "$2" || true; }
