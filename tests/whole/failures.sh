#!/usr/bin/env bash
# The failures a user meets, each told in a message box that a screen reader announces, while
# the window goes on: a save into a read-only folder and onto a full file system, a print
# client that prints nothing, a browser that does not start. The real kinmatch on a private
# Xvfb display with openbox and an accessibility bus, in a mount namespace of the test's own
# where its read-only folder and full file system live.
#   failures.sh BUILD_DIR [LANGUAGE]
# Skips (exit 77) where the display, the accessibility bus or a mount namespace is missing. It
# touches nothing outside its own folder and stops only the processes it started, by their ids.
set -u
build=$(cd "$1" && pwd)
language=${2:-en}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/display.sh"
skip_without Xvfb xdotool xprop xmessage openbox unshare
skip_without_accessibility_bus
unshare --user --map-root-user --mount true 2>/dev/null ||
    { echo "SKIP: no mount namespace can be made here for a read-only folder and a full disk"; exit 77; }
export PYTHONDONTWRITEBYTECODE=1

test_folder
in_language "$language"
private_display "$work"
start_window_manager openbox --sm-disable
private_accessibility_bus "$work"

# A print client and a browser opener that fail, as on a machine without a printer or a browser.
printf '#!/bin/sh\ncat >/dev/null\necho "lp: Error - No default destination." >&2\nexit 1\n' \
    >"$display_folder/bin/lp"
printf '#!/bin/sh\necho "$@" >> %s/opened\nexit 3\n' "$display_folder" >"$display_folder/bin/xdg-open"
chmod +x "$display_folder/bin/lp" "$display_folder/bin/xdg-open"

# The program in a mount namespace of its own: a read-only folder, and a file system of 64 KB
# that is full.
mkdir -p "$work/read-only" "$work/full"
cat >"$work/inside.sh" <<INSIDE
mount --bind "$work/read-only" "$work/read-only" && mount -o remount,bind,ro "$work/read-only" &&
mount -t tmpfs -o size=64k kinmatch-full "$work/full" || exit 99
dd if=/dev/zero of="$work/full/filler" bs=4k 2>/dev/null
exec "$build/kinmatch"
INSIDE
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unshare --user --map-root-user --mount bash "$work/inside.sh" >"$work/kinmatch.log" 2>&1 &
program=$!
pids+=($program)

told() { # told TEXT...: an alert holding the texts is up
    timeout 30 /usr/bin/python3 "$here/alert.py" "$@" || fail "no message told of it (${*})"
}
cause() { # cause ENGLISH: the file layer's cause in the language of the run
    shown Files "$1"
}

main=$(role frmMain) || fail "no main window ($(cat "$work/kinmatch.log"))"
generate_reading "$main"
result=$(role frmMayanCompatibilityResult) || fail "no result window"

step "a browser that does not start: the address is shown to copy"
keys "$result" "alt+$(access_key look '&Help')" "$(access_key look '&Online Help')"
told "http://www.kinmatch.example/kinmatch-help.html"
keys "$(window '^Kinmatch$')" Return

step "Save opens the report; a print client that prints nothing is told of, once"
# With assistive technology on, the reading comes first in the window's order: its seven parts,
# then Save.
keys "$result" Tab Tab Tab Tab Tab Tab Tab space
report=$(role frmSave) || fail "no report window"
keys "$report" "alt+$(access_key frmSave '&Print')"
told "lp: Error - No default destination."
sleep 1
[[ $(xdotool search --onlyvisible --name '^Kinmatch$' | wc -l) -eq 1 ]] ||
    fail "the failed print was told more than once"

step "the notice holds nothing: the report saves meanwhile, into a read-only folder"
keys "$report" "alt+$(access_key frmSave '&Save')"
dialog=$(window '^Kinmatch$') || fail "Save opened no dialog"
sleep 0.5
xdotool type --delay 20 "$work/read-only/ann.man"
xdotool key Return
told "$work/read-only/ann.man" "$(cause 'Read-only file system')"
keys "$(xdotool getactivewindow)" Return

step "onto a full file system"
keys "$report" "alt+$(access_key frmSave '&Save')"
dialog=$(window '^Kinmatch$') || fail "Save opened no second dialog"
sleep 0.5
xdotool type --delay 20 "$work/full/ann.man"
xdotool key Return
told "$work/full/ann.man" "$(cause 'No space left on device')"
keys "$(xdotool getactivewindow)" Return
[[ ! -e $work/read-only/ann.man && ! -e $work/full/ann.man ]] || fail "a reading file was left"

kill "$program" 2>/dev/null
echo "1 passed, 0 failed"
