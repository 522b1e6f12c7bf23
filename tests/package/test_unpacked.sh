# The Debian package taken apart into a temporary root: everything a desktop needs is there, nothing points
# back into the tree it was built in, and the program from it opens the panel.
#   test_unpacked.sh PACKAGE SOURCE_DIR BUILD_DIR
source "$(dirname "$0")/../e2e/lib.sh"
deb=$1 src=$2 build=$3
root="$E2E_TMP/root"
dpkg-deb -x "$deb" "$root" || fail "cannot unpack $deb"
YUNURI_BIN="$root/usr/bin/yunuri"

id=org.example.yunuri
present() {
  local f
  for f in "$@"; do [ -s "$root/$f" ] || { echo "missing: $f" >&2; return 1; }; done
}
check "binary, desktop entry, metadata, manual page, copyright" present usr/bin/yunuri \
  "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
  usr/share/man/man6/yunuri.6.gz usr/share/doc/yunuri/copyright usr/share/doc/yunuri/changelog.Debian.gz \
  usr/share/doc/yunuri/examples/room.ini

# Each icon is a PNG of its directory's size.
icons_fit() {
  local size info
  for size in 16 22 24 32 48 64 128 256; do
    info=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/yunuri.png" 2>&1)
    [[ $info == "PNG image data, $size x $size,"* ]] || { echo "${size}x${size}: $info" >&2; return 1; }
  done
}
check "an icon in every hicolor size" icons_fit
scalable() { [[ $(file -b "$root/usr/share/icons/hicolor/scalable/apps/yunuri.svg") == "SVG Scalable Vector Graphics image"* ]]; }
check "a scalable icon" scalable
# The menu entry's category, Education, is the package's section.
check "the package is filed under education" test "$(dpkg-deb -f "$deb" Section)" = education
no_build_paths() {
  ! readelf -d "$root/usr/bin/yunuri" | grep -E 'RPATH|RUNPATH' &&
    ! grep -rlF -e "$src" -e "$build" "$root"
}
check "nothing refers to the build tree" no_build_paths

start_x
open_panel
check "the unpacked program opens the panel" wait_caption "$WID" "ゆぬり～"
dismiss_notice "$WID"
check "and runs once the notice is dismissed" kill -0 "$PANEL_PID"
finish
