# The command line behaves like a Unix program's: help and the version print and end with status 0 without a
# display and without touching the lock's directory; the toolkit's own options pass; anything else ends with
# one line naming it, the usage and status 2. The manual page's OPTIONS list what --help lists.
#   options.sh BINARY MANUAL_PAGE VERSION
source "$(dirname "$0")/lib.sh"
manual=$2
version=$3
out="$E2E_TMP/out" err="$E2E_TMP/err"

# Runs the program (there is no display): its status in $status, what it printed in $out and $err.
run() {
  status=0
  timeout 10 "$YUNURI_BIN" "$@" >"$out" 2>"$err" || status=$?
}
why() { ! echo "$*: status $status; printed: $(cat "$out"); said: $(cat "$err")" >&2; }
helps() { run --help && [ "$status" = 0 ] && [ "$(head -1 "$out")" = "Usage: yunuri [options]" ] || why --help; }
tells_version() { run "$@" && [ "$status" = 0 ] && [ "$(cat "$out")" = "yunuri $version" ] || why "$@"; }
# Status 2, nothing on standard output, one line naming what was wrong (the last argument, and $WHAT when set)
# in the program's one style, then the usage.
refused() {
  run "$@" && [ "$status" = 2 ] && [ ! -s "$out" ] && [ "$(sed -n 2p "$err")" = "Usage: yunuri [options]" ] &&
    head -1 "$err" | grep -qF -- "${!###*-}" && head -1 "$err" | grep -qF -- "${WHAT:-}" &&
    head -1 "$err" | grep -qE '^yunuri: [^A-Z].*[^.]$' || why "$@"
}

check "--help prints the usage" helps
cp "$out" "$E2E_TMP/help"
check "-v prints the version" tells_version -v
check "the toolkit's options pass" tells_version -platform offscreen --style Fusion --version
check "help and version leave the runtime directory alone" nothing_left
for wrong in --no-such-option -x stray --idle-reset; do check "$wrong is refused" refused "$wrong"; done
for seconds in 99999999999 86401 -1; do
  WHAT="from 0 to 86400" check "--idle-reset $seconds is refused with the range" refused --idle-reset "$seconds"
done

# A room file is read before anything else is done: a good one lets the launch go on (to the display it lacks
# here), a bad one ends it with status 2 and one line naming the file and the line, and its password is never
# printed, not even when the file is refused for letting others read it.
room="$E2E_TMP/room.ini"
printf '[left-projector]\naddress = 192.0.2.10\npassword = Hush3dUp\ninput.desktop-pc = 31\n' >"$room"
silent_password() { ! grep -qF Hush3dUp "$out" "$err" || why "password printed"; }
room_refused() {
  run "$@" && [ "$status" = 2 ] && [ ! -s "$out" ] && [ "$(wc -l <"$err")" = 1 ] &&
    grep -qE "^yunuri: $room$WHERE: [^A-Z].*[^.]\$" "$err" && silent_password || why "$@"
}
passes_room() { run "$@" && [ "$status" = 1 ] && grep -q "desktop session" "$err" && silent_password || why "$@"; }
chmod 600 "$room"
check "a good room file lets the launch go on" passes_room --room "$room"
check "the example room file is read" passes_room --room "$(dirname "$0")/../../packaging/room.ini"
chmod 640 "$room"
WHERE=:3 check "a room file with a password that others may read is refused" room_refused --room "$room"
WHERE=:3 check "and so is it for --check-room" room_refused --check-room "$room"
printf '[left-projector]\naddress = 192.0.2.10\ninput.desktop-pc = 31\ninput.desktop-pc = 99x\n' >"$room"
WHERE=:4 check "a bad line is named" room_refused --room "$room"
rm "$room"
WHERE= check "a missing room file is named" room_refused --room "$room"
both() { run --room a --check-room b && [ "$status" = 2 ] && grep -qx "yunuri: --room and --check-room exclude each other" "$err" || why "$@"; }
check "--room and --check-room together are refused" both

# Every option word of --help's list, and of the manual page's OPTIONS section, one a line, sorted.
sed -n 's/^  \(-[^ ,]*\(, -[^ ,]*\)*\) .*/\1/p' "$E2E_TMP/help" | tr ', ' '\n\n' | sed '/^$/d' | sort >"$E2E_TMP/from-help"
sed -n '/^\.SH OPTIONS/,/^\.SH /{/^\.TP/{n;p}}' "$manual" | sed 's/\\-/-/g' | grep -oE '(^|[ "])-[-a-z]+' |
  tr -d ' "' | sort >"$E2E_TMP/from-manual"
require "--help lists options" test -s "$E2E_TMP/from-help"
check "the manual page lists what --help lists" \
  diff -u --label help "$E2E_TMP/from-help" --label "manual page" "$E2E_TMP/from-manual"

# The keys: --help lists every key the panel answers, and the manual page's KEYS section each of them.
sed -n '/^Keys:/,${s/^  \([^ ].*[^ ]\)  .*/\1/p}' "$E2E_TMP/help" | sed 's/, /\n/g' >"$E2E_TMP/keys"
lists_keys() {
  for key in Tab Shift+Tab Space Enter Esc Ctrl++ Ctrl+- Ctrl+0 F11 F9 F8 Ctrl+L Ctrl+Alt+Q; do
    grep -qxF -- "$key" "$E2E_TMP/keys" || { echo "no $key" >&2; return 1; }
  done
}
check "--help lists every key" lists_keys
sed -n '/^\.SH KEYS/,/^\.SH /p' "$manual" | sed 's/\\-/-/g' >"$E2E_TMP/manual-keys"
missing_keys() { ! grep -vxFf <(grep -oE '[^ "]+' "$E2E_TMP/manual-keys") "$E2E_TMP/keys"; }
check "the manual page's KEYS lists every key --help lists" missing_keys
finish
