# The command line behaves like a Unix program's: help and the version print and end with status 0 without a
# display and without touching the lock's directory; the toolkit's own options pass; anything else ends with
# one line naming it, the usage and status 2. The manual page's OPTIONS list what --help lists.
#   options.sh BINARY MANUAL_PAGE VERSION
set -euo pipefail
bin=$1
manual=$2
version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/runtime"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Runs the program with no display and a fresh runtime directory; sets $status, output in $tmp/out, $tmp/err.
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$tmp/runtime" \
    DBUS_SESSION_BUS_ADDRESS=disabled: timeout 10 "$bin" "$@" >"$tmp/out" 2>"$tmp/err" || status=$?
}

run --help
[ "$status" -eq 0 ] || fail "--help ended with status $status: $(cat "$tmp/err")"
[ "$(head -1 "$tmp/out")" = "Usage: yunuri [options]" ] || fail "--help printed: $(cat "$tmp/out")"
cp "$tmp/out" "$tmp/help"
run -v
[ "$status" -eq 0 ] && [ "$(cat "$tmp/out")" = "yunuri $version" ] || fail "-v: status $status, '$(cat "$tmp/out")'"
run -platform offscreen --style Fusion --version
[ "$status" -eq 0 ] && [ "$(cat "$tmp/out")" = "yunuri $version" ] || fail "Qt's options refused: $(cat "$tmp/err")"
[ -z "$(ls -A "$tmp/runtime")" ] || fail "help or version touched the runtime directory: $(ls -A "$tmp/runtime")"

for wrong in --no-such-option -x stray; do
  run "$wrong"
  [ "$status" -eq 2 ] || fail "$wrong ended with status $status"
  [ "$(sed -n 2p "$tmp/err")" = "Usage: yunuri [options]" ] && grep -qF -- "${wrong##*-}" <(head -1 "$tmp/err") ||
    fail "$wrong: $(cat "$tmp/err")"
  [ ! -s "$tmp/out" ] || fail "$wrong printed on standard output"
done

# Every option word of --help's list, and of the manual page's OPTIONS section, one a line, sorted.
sed -n 's/^  \(-[^ ,]*\(, -[^ ,]*\)*\) .*/\1/p' "$tmp/help" | tr ', ' '\n\n' | sed '/^$/d' | sort >"$tmp/from-help"
sed -n '/^\.SH OPTIONS/,/^\.SH /{/^\.TP/{n;p}}' "$manual" | sed 's/\\-/-/g' | grep -oE '(^|[ "])-[-a-z]+' |
  tr -d ' "' | sort >"$tmp/from-manual"
[ -s "$tmp/from-help" ] || fail "no options found in --help"
diff -u --label help "$tmp/from-help" --label "manual page" "$tmp/from-manual" ||
  fail "the manual page's options differ from --help's"
echo "command line: $(tr '\n' ' ' <"$tmp/from-help")in step with the manual page"
