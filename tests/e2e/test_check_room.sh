#!/usr/bin/env bash
# --check-room against two fake projectors on loopback ports, one behind a password: what an installer runs
# first. It needs no display, asks each projector once, tells what each is and flags an input the file wires
# that the projector lacks; a projector that does not answer, or refuses the password, makes the status 1.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/fake_pjlink.sh"
start_fake left --password Hush3dUp --name Lectern-L --inputs "11 31"
start_fake right --class 2 --power on --name Lectern-R --inputs "11 32 6Z" --fault "erst 100000"

room="$E2E_TMP/room.ini" report="$E2E_TMP/report"
write_room() {
  (umask 077 && cat >"$room") <<ROOM
[left-projector]
address = 127.0.0.1:${FAKE_PORT[left]}
password = $1
input.desktop-pc = 31
input.document-camera = 41

[right-projector]
address = localhost:${FAKE_PORT[right]}   ; by name: the resolver's answers are tried in turn
input.desktop-pc = 32
input.dvd = 3A
ROOM
}
# Runs the check: its status in $status, what it printed in $report.
check_room() {
  status=0
  timeout 60 "$YUNURI_BIN" --check-room "$room" >"$report" 2>&1 || status=$?
}
says() { grep -qE -- "$1" "$report" || { echo "not in the report: $1" && cat "$report"; } >&2; }
says_not() { ! grep -qE -- "$1" "$report" || { echo "in the report: $1" && cat "$report"; } >&2; }

write_room Hush3dUp
check_room
check "both answer: status 0" test "$status" = 0
reports_both() {
  says '^\[left-projector\] 127\.0\.0\.1:' && says '^  name +Lectern-L$' && says '^  class +1$' &&
    says '^  power +off$' && says '^  inputs +11 31$' && says '^  name +Lectern-R$' && says '^  class +2$' &&
    says '^  power +on$' && says '^  errors +fan warning$' && says '^every projector answered$'
}
check "the report names each projector's name, class, power, inputs and errors" reports_both
flags_input() {
  says '^  ! input\.document-camera = 41' && says_not 'input\.desktop-pc' && says '^  - input\.dvd = 3A: a class 2'
}
check "only the input the projector lacks is flagged, and a class 2 one said unchecked" flags_input
check "the password is never printed" says_not Hush3dUp
check "each projector is asked once, power included" test "$(sent left '^%1POWR \?$')$(sent right '^%1POWR \?$')" = 11
check "nothing is switched" test "$(sent left ' [0-9]+$')$(sent right ' [0-9]+$')" = 00

# A wrong password: refused at once, and tried once only.
write_room Wrong
check_room
refused() { [ "$status" = 1 ] && says '^  no answer: password refused$' && says '^1 of 2 projectors did not answer$'; }
check "a wrong password: status 1, said" refused
check "and tried once" test "$(grep -c '^# password refused' "$E2E_TMP/fake-left.log")" = 1

# One projector gone: the other is still reported in full.
write_room Hush3dUp
stop_fake right
check_room
gone_one() {
  [ "$status" = 1 ] && says '^  no answer: connection refused$' && says '^  name +Lectern-L$' &&
    says '^1 of 2 projectors did not answer$'
}
check "a closed port: status 1, the other reported" gone_one
finish
