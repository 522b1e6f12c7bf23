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
# Status 2, nothing on standard output, one line naming what was wrong and then the usage.
refused() {
  run "$1" && [ "$status" = 2 ] && [ ! -s "$out" ] && [ "$(sed -n 2p "$err")" = "Usage: yunuri [options]" ] &&
    grep -qF -- "${1##*-}" <(head -1 "$err") || why "$1"
}

check "--help prints the usage" helps
cp "$out" "$E2E_TMP/help"
check "-v prints the version" tells_version -v
check "the toolkit's options pass" tells_version -platform offscreen --style Fusion --version
check "help and version leave the runtime directory alone" nothing_left
for wrong in --no-such-option -x stray; do check "$wrong is refused" refused "$wrong"; done

# Every option word of --help's list, and of the manual page's OPTIONS section, one a line, sorted.
sed -n 's/^  \(-[^ ,]*\(, -[^ ,]*\)*\) .*/\1/p' "$E2E_TMP/help" | tr ', ' '\n\n' | sed '/^$/d' | sort >"$E2E_TMP/from-help"
sed -n '/^\.SH OPTIONS/,/^\.SH /{/^\.TP/{n;p}}' "$manual" | sed 's/\\-/-/g' | grep -oE '(^|[ "])-[-a-z]+' |
  tr -d ' "' | sort >"$E2E_TMP/from-manual"
require "--help lists options" test -s "$E2E_TMP/from-help"
check "the manual page lists what --help lists" \
  diff -u --label help "$E2E_TMP/from-help" --label "manual page" "$E2E_TMP/from-manual"
finish
