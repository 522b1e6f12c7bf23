#!/usr/bin/env bash
# The real window appears with its title and a 400 x 340 client (the panel and the status strip); a real click dismisses the notice.
# Without a room file the panel holds no network socket, whatever is pressed.
source "$(dirname "$0")/lib.sh"
start_x
open_panel
check "title" caption_is "$WID" "ゆぬり～"
client_is() { [ "$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: //p')" = 400x340 ]; }
check "a 400x340 client" client_is

# The notice is up: clicking where the DVD/VTR source lies takes the notice away and does not select the
# source. The caption would have changed with the same click; the notice gone, it is known not to have.
dismiss_notice "$WID" dvd_vtr
check "a click on the notice selects nothing" caption_is "$WID" "ゆぬり～"
click "$WID" dvd_vtr
check "the next click selects" wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"

# The inodes of the process's sockets, matched against the kernel's TCP and UDP tables: the lines of the
# internet sockets it holds.
internet_sockets() {
  local inode
  for inode in $(find "/proc/$1/fd" -lname 'socket:*' -printf '%l\n' 2>/dev/null | tr -dc '0-9\n'); do
    awk -v inode="$inode" '$10 == inode' /proc/net/tcp /proc/net/tcp6 /proc/net/udp /proc/net/udp6
  done
}
no_internet_socket() { [ -z "$(internet_sockets "$1")" ] || { internet_sockets "$1" >&2 && return 1; }; }
click "$WID" send_left
click "$WID" projector_power
sleep 0.5
check "no network socket without a room file" no_internet_socket "$PANEL_PID"
finish
