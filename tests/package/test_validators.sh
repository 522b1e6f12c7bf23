# Debian's and the desktop's own checkers on the package: lintian reports nothing, not even a pedantic or an
# informational tag (the one note the package keeps, in its overrides, says why), the desktop entry and the
# AppStream metadata (with the desktop entry it launches) validate. A checker that is not installed is
# skipped, and then the test as a whole reports itself skipped.
#   test_validators.sh PACKAGE
set -uo pipefail
deb=$1
[ -f "$deb" ] || { echo "FAIL: no package at $deb" >&2; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root" || exit 1

failed=0
missing=()
run() {
  local tool=$1
  if ! command -v "$tool" >/dev/null; then
    missing+=("$tool")
    return
  fi
  "$@" || { echo "FAIL: $*" >&2; failed=1; }
}
run lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb"
run desktop-file-validate "$root"/usr/share/applications/*.desktop
run appstreamcli validate-tree --no-net "$root"

[ "$failed" -eq 0 ] || exit 1
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIPPED: not installed: ${missing[*]} (scripts/install-deps installs them)"
  exit 77
fi
echo "lintian, desktop-file-validate and appstreamcli are content"
