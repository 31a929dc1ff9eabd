#!/usr/bin/env bash
# The whole program as a user meets it: the real kinmatch binary on a private Xvfb display with
# a window manager (openbox), driven by key strokes, with a recording browser and a printer of a
# private CUPS scheduler.
#   whole_program.sh BUILD_DIR [LANGUAGE]
# Windows are found by their role, keys and texts read from the language's catalog, so that the
# same steps run in every language.
# Skips (exit 77) when Xvfb, xdotool or openbox is missing. It touches nothing outside its own
# folder and stops only the processes it started, by their ids.
set -u
build=$(cd "$1" && pwd)
language=${2:-en}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/display.sh"
skip_without Xvfb xdotool xwininfo xprop xmessage openbox
source "$here/cups.sh"

test_folder private_cups_stop
in_language "$language"

# A display, a window manager, a home and a lock of the test's own, and a browser that only
# writes down addresses.
private_display "$work"
start_window_manager openbox --sm-disable
printing=yes
private_cups "$work/cups" || { echo "note: no private CUPS; the printing step is skipped"; printing=""; }

start() { # start LOG ARGS...: the program in the background; sets started
    local log=$1; shift
    "$build/kinmatch" "$@" >"$work/$log" 2>&1 &
    started=$!
    pids+=($started)
}
quietly() { # quietly LOG: the program wrote nothing on its standard output or error
    [[ ! -s $work/$1 ]] || fail "the program wrote: $(head -c 300 "$work/$1")"
}

step "start-up shows the main window"
start first.log
first=$started
main=$(role frmMain) || fail "no main window"

step "the window belongs to the desktop entry, sits centred with its frame, offers no maximize"
entry=$build/generated/example.quorvane.Kinmatch.desktop
class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"/\1/p')
[[ -n $class ]] && grep -qx "StartupWMClass=$class" "$entry" ||
    fail "the window's class '$class' is not the entry's StartupWMClass"
extents=""
for _ in $(seq 200); do
    extents=$(xprop -id "$main" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    [[ -n $extents ]] && break
    sleep 0.05
done
[[ -n $extents ]] || fail "the window manager put no frame around the main window"
sleep 0.3 # the window is centred again once its frame is known
read -r left right top bottom <<<"$extents"
# xwininfo gives the client area's place on the screen (xdotool's adds the frame once more).
X=$(xwininfo -id "$main" | sed -n 's/ *Absolute upper-left X: *//p')
Y=$(xwininfo -id "$main" | sed -n 's/ *Absolute upper-left Y: *//p')
WIDTH=$(xwininfo -id "$main" | sed -n 's/ *Width: *//p')
HEIGHT=$(xwininfo -id "$main" | sed -n 's/ *Height: *//p')
frame_x=$((X - left)); frame_y=$((Y - top))
frame_w=$((WIDTH + left + right)); frame_h=$((HEIGHT + top + bottom))
read -r screen_w screen_h < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
dx=$((2 * frame_x + frame_w - screen_w)); dy=$((2 * frame_y + frame_h - screen_h))
((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2)) ||
    fail "the framed window is not centred: frame at $frame_x,$frame_y size ${frame_w}x$frame_h"
xprop -id "$main" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "the window can be maximized"

step "a second start is refused"
start second.log
second=$started
box=$(window '^Kinmatch$') || fail "the second start showed no message"
[[ $(xdotool search --onlyvisible --name '^Kinmatch v1\.10$' | wc -l) -eq 1 ]] ||
    fail "the second start showed a window of its own"
keys "$box" Return
ended "$second" || fail "the second start did not end"
[[ $status -eq 0 ]] || fail "the second start ended with status $status"

step "a menu item hands its address to the browser"
keys "$main" "alt+$(access_key look '&Help')" "$(access_key look '&Online Help')"
for _ in $(seq 100); do [[ -s $work/opened ]] && break; sleep 0.05; done
[[ $(cat "$work/opened" 2>/dev/null) == "http://www.kinmatch.example/kinmatch-help.html" ]] ||
    fail "the browser got '$(cat "$work/opened" 2>/dev/null)'"

step "names and Alt+G show the result window"
generate_reading "$main"
result=$(role frmMayanCompatibilityResult) || fail "no result window"
for _ in $(seq 100); do viewable "$main" || break; sleep 0.05; done
viewable "$main" && fail "the main window is still shown"

step "a reading opened while the program runs goes to the running copy, which shows it"
# Ann, born on 4 July 1955: the reading typed above was born on 1 January 1900.
"$build/kinmatch-cli" save "$work/ann.man" --name Ann 1955-07-04 || fail "kinmatch-cli saved no reading"
start handed.log "$work/ann.man"
handed=$started
ended "$handed" || fail "the copy that handed the reading on did not end"
[[ $status -eq 0 ]] || fail "the copy that handed the reading on ended with status $status"
quietly handed.log
# The file holds the user's reading alone: the running copy asks for the partner's name.
box=$(window '^Kinmatch$') || fail "the running copy did not open the reading"
[[ $(xprop -id "$box" _NET_WM_PID | sed 's/.* = //') == "$first" ]] ||
    fail "the message is not the running copy's"
keys "$box" Return
main=$(role frmMain) || fail "the running copy shows no main window"
[[ $(xprop -id "$main" _NET_WM_PID | sed 's/.* = //') == "$first" ]] ||
    fail "the main window is not the running copy's"
xdotool type --delay 40 "Bob"
keys "$main" "alt+$(access_key frmMain '&Generate Mayan Astrology Compatibility Reading')"
result=$(role frmMayanCompatibilityResult) || fail "the handed reading gave no result"

if [[ -n $printing ]]; then
    step "Save, then Print, prints the report without a page number on the default printer"
    keys "$result" space
    report=$(role frmSave) || fail "no report window"
    # Esc leaves the report open.
    keys "$report" Escape
    sleep 0.3
    viewable "$report" || fail "Esc closed the report"
    keys "$report" "alt+$(access_key frmSave '&Print')"
    for _ in $(seq 200); do [[ -s $private_cups_output ]] && break; sleep 0.05; done
    [[ -s $private_cups_output ]] || fail "the printer received no job"
    if command -v pdftotext >/dev/null; then
        printed=$(pdftotext -layout "$private_cups_output" - 2>/dev/null)
        grep -q "$(shown Report 'Name: ')Ann" <<<"$printed" || fail "the printed report lacks the name"
        grep -q "$(shown Dates '%1 %2, %3' "$(shown Months July)" 4 1955)" <<<"$printed" ||
            fail "the printed report is not the handed reading's"
        grep -qE '^\s*[0-9]+\s*$' <<<"$printed" && fail "the printed page has a page number"
    fi
    keys "$report" alt+F4
    for _ in $(seq 100); do viewable "$report" || break; sleep 0.05; done
fi

step "File > Exit shows the support window, and Enter on its focused Exit ends the program"
leave_through_support "$result" "$first"
quietly first.log

step "a FIFO given as a reading file is not waited on"
mkfifo "$work/x.man"
start fifo.log "$work/x.man"
fifo=$started
# The file reads as empty lines, so the check of the names answers, and the window is painted.
box=$(window '^Kinmatch$') || fail "the program waits on the FIFO"
keys "$box" Return
main=$(role frmMain) || fail "no main window after the FIFO"
kill "$fifo"; wait "$fifo" 2>/dev/null

step "a FIFO in place of the settings file is not waited on"
mkdir -p "$XDG_CONFIG_HOME/kinmatch"
rm -f "$XDG_CONFIG_HOME/kinmatch/kinmatch.conf"
mkfifo "$XDG_CONFIG_HOME/kinmatch/kinmatch.conf"
start settings.log
settings=$started
main=$(role frmMain) || fail "start-up waits on the settings FIFO"
step "Alt+O opens the dialog for a saved reading; Esc closes it"
keys "$main" "alt+$(access_key frmMain '&Open Previously Saved Reading')"
dialog=$(window "^$(shown frmMain 'Select the source file')$") || fail "Alt+O opened no dialog"
keys "$dialog" Escape
for _ in $(seq 100); do viewable "$dialog" || break; sleep 0.05; done
viewable "$dialog" && fail "Esc left the open dialog up"

kill "$settings"; wait "$settings" 2>/dev/null
[[ -p $XDG_CONFIG_HOME/kinmatch/kinmatch.conf ]] || fail "the settings FIFO was replaced"
step "the session ending the program (SIGTERM) closes it cleanly"
start term.log
term=$started
role frmMain >/dev/null || fail "no main window"
kill -TERM "$term"
ended "$term" || fail "the program did not end on SIGTERM"
[[ $status -eq 0 ]] || fail "the program ended with status $status on SIGTERM"
quietly term.log

step "without any display, one line on standard error says why, and the status is not 0"
env -u DISPLAY -u WAYLAND_DISPLAY "$build/kinmatch" >"$work/nodisplay.out" 2>"$work/nodisplay.err"
status=$?
[[ $status -ne 0 ]] || fail "without a display the program ended with status 0"
[[ $(wc -l <"$work/nodisplay.err") -eq 1 && $(head -c 10 "$work/nodisplay.err") == "kinmatch: " ]] ||
    fail "without a display, standard error holds: $(cat "$work/nodisplay.err")"

gone_within_a_second() { # gone_within_a_second PID
    for _ in $(seq 20); do kill -0 "$1" 2>/dev/null || { wait "$1"; return 0; }; sleep 0.05; done
    return 1
}
next_start_shows_its_window() {
    start next.log
    local next=$started
    role frmMain >/dev/null || fail "after $1, the next start shows no main window"
    kill -TERM "$next"; ended "$next"
}
# modal_end NAME SIGNAL: the program, in the modal state just opened, ends on the signal.
modal_end() {
    kill "-$2" "$modal" || fail "$1: the program was already gone"
    gone_within_a_second "$modal" || fail "$1: the program is still running a second after SIG$2"
    next_start_shows_its_window "$1"
}

step "SIGTERM, SIGHUP and SIGINT end the program in every modal state"
"$build/kinmatch-cli" save "$work/ann.man" --name Ann 1955-07-04 || fail "kinmatch-cli save"
start modal.log "$work/ann.man"
modal=$started
window '^Kinmatch$' >/dev/null || fail "no message for the reading file's missing partner"
modal_end "the start-up message of a reading file" TERM
# A reminder last recorded on 1 January 2000, scrambled as the program stores it.
printf '[Settings]\nK%%7Cyh%%7Bpvu=9777478478\n' >"$XDG_CONFIG_HOME/kinmatch/kinmatch.conf.new"
rm -f "$XDG_CONFIG_HOME/kinmatch/kinmatch.conf"
mv "$XDG_CONFIG_HOME/kinmatch/kinmatch.conf.new" "$XDG_CONFIG_HOME/kinmatch/kinmatch.conf"
start modal.log
modal=$started
window '^Kinmatch$' >/dev/null || fail "no update question"
modal_end "the update question" HUP
start modal.log
modal=$started
main=$(role frmMain) || fail "no main window"
keys "$main" "alt+$(access_key frmMain '&Open Previously Saved Reading')"
window "^$(shown frmMain 'Select the source file')$" >/dev/null || fail "Alt+O opened no dialog"
modal_end "the open dialog" INT
start modal.log
modal=$started
main=$(role frmMain) || fail "no main window"
keys "$main" "alt+$(access_key look '&Help')" "$(access_key look '&About Software')"
for _ in $(seq 200); do
    [[ $(xdotool search --onlyvisible --name '^Kinmatch v1\.10$' | wc -l) -eq 2 ]] && break
    sleep 0.05
done
[[ $(xdotool search --onlyvisible --name '^Kinmatch v1\.10$' | wc -l) -eq 2 ]] ||
    fail "Help > About opened no window"
modal_end "the about window" TERM

step "a print server that accepts and never answers holds neither the window nor the end"
/usr/bin/python3 -c '
import socket, sys, time
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(16)
held = []
while True:
    held.append(server.accept()[0])
' "$work/silent.socket" &
pids+=($!)
for _ in $(seq 100); do [[ -S $work/silent.socket ]] && break; sleep 0.05; done
CUPS_SERVER=$work/silent.socket start silent.log
silent=$started
main=$(role frmMain) || fail "no main window"
generate_reading "$main"
result=$(role frmMayanCompatibilityResult) || fail "no result window"
keys "$result" space
report=$(role frmSave) || fail "no report window"
keys "$report" "alt+$(access_key frmSave '&Print')"
# The window answers throughout: Save's dialog opens within a second, again and again.
for round in 1 2 3; do
    keys "$report" "alt+$(access_key frmSave '&Save')"
    for _ in $(seq 20); do xdotool search --onlyvisible --name '^Kinmatch$' >/dev/null 2>&1 && break; sleep 0.05; done
    dialog=$(xdotool search --onlyvisible --name '^Kinmatch$' 2>/dev/null | head -n 1)
    [[ -n $dialog ]] || fail "round $round after Print: the window did not answer within a second"
    keys "$dialog" Escape
    for _ in $(seq 40); do viewable "$dialog" || break; sleep 0.05; done
    sleep 1
done
kill -TERM "$silent"
gone_within_a_second "$silent" || fail "printing to a silent server keeps the program from ending"

# Wayland: where the session also offers X, the windows open on X; with Wayland alone the
# program runs there, and ends cleanly.
if command -v weston >/dev/null && ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    step "with both X and Wayland offered, the windows open on X"
    XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR weston --backend=headless-backend.so --socket=wayland-kinmatch \
        --idle-time=0 >"$work/weston.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/wayland-kinmatch ]] && break; sleep 0.05; done
    [[ -S $XDG_RUNTIME_DIR/wayland-kinmatch ]] || fail "weston did not start"
    WAYLAND_DISPLAY=wayland-kinmatch start both.log
    both=$started
    role frmMain >/dev/null || fail "with Wayland offered too, no window opened on X"
    kill -TERM "$both"; ended "$both"; [[ $status -eq 0 ]] || fail "ended with status $status"

    step "with Wayland alone, the program runs there and ends cleanly"
    (unset DISPLAY; WAYLAND_DISPLAY=wayland-kinmatch exec "$build/kinmatch") >"$work/wayland.log" 2>&1 &
    wayland=$!
    pids+=($wayland)
    sleep 2
    kill -0 "$wayland" 2>/dev/null || { wait "$wayland"; fail "on Wayland the program ended with status $?"; }
    kill -TERM "$wayland"
    ended "$wayland" || fail "on Wayland the program did not end"
    [[ $status -eq 0 ]] || fail "on Wayland the program ended with status $status"
    quietly wayland.log
else
    echo "note: weston or qt6-wayland is not installed; the Wayland steps are skipped"
fi
echo "1 passed, 0 failed"
