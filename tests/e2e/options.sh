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
  for key in Tab Shift+Tab Space Enter Esc Ctrl++ Ctrl+- Ctrl+0 F11 F9 Ctrl+L Ctrl+Alt+Q; do
    grep -qxF -- "$key" "$E2E_TMP/keys" || { echo "no $key" >&2; return 1; }
  done
}
check "--help lists every key" lists_keys
sed -n '/^\.SH KEYS/,/^\.SH /p' "$manual" | sed 's/\\-/-/g' >"$E2E_TMP/manual-keys"
missing_keys() { ! grep -vxFf <(grep -oE '[^ "]+' "$E2E_TMP/manual-keys") "$E2E_TMP/keys"; }
check "the manual page's KEYS lists every key --help lists" missing_keys
finish
