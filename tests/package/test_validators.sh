# Debian's and the desktop's own checkers on the package: lintian reports nothing, not even a pedantic or an
# informational tag (the one note the package keeps, in its overrides, says why), the desktop entry and the
# AppStream metadata (with the desktop entry it launches) validate. A checker that is not installed is
# skipped, and then the test as a whole reports itself skipped.
#   test_validators.sh PACKAGE
source "$(dirname "$0")/../e2e/lib.sh"
deb=$1
root="$E2E_TMP/root"
dpkg-deb -x "$deb" "$root" || fail "cannot unpack $deb"

missing=()
validates() {
  if command -v "$1" >/dev/null; then check "$1" "$@"; else missing+=("$1"); fi
}
validates lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb"
validates desktop-file-validate "$root"/usr/share/applications/*.desktop
validates appstreamcli validate-tree --no-net "$root"
[ "$FAILED" != 0 ] || [ ${#missing[@]} = 0 ] || skip "not installed: ${missing[*]} (scripts/install-deps installs them)"
finish
