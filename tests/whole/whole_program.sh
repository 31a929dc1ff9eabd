#!/usr/bin/env bash
# The whole program as a user meets it: the real kinmatch binary on a private Xvfb display,
# driven by key strokes, with a recording browser and a CUPS-PDF printer.
#   whole_program.sh BUILD_DIR
# Skips (exit 77) when Xvfb or xdotool is missing; everything it starts it stops again.
set -u
build=$(cd "$1" && pwd)
for tool in Xvfb xdotool xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
started_cupsd=""
queue=KinmatchTest$$
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    if command -v lpadmin >/dev/null; then lpadmin -x "$queue" 2>/dev/null; fi
    [[ -n $started_cupsd ]] && pkill -x cupsd
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
step() { echo "-- $*"; }

# A display, a home and a lock of the test's own, and a browser that only writes down addresses.
for n in $(seq 200 260); do [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break; done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$n" HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/bin" && chmod 700 "$XDG_RUNTIME_DIR"
printf '#!/bin/sh\necho "$@" >> %s/opened\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
unset QT_QPA_PLATFORM BROWSER
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

# A CUPS-PDF queue as this user's default printer.
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || fail "CUPS is not installed"
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    cupsd || fail "cannot start cupsd"
    started_cupsd=yes
    for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.1; done
fi
model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')
[[ -n $model ]] || fail "no CUPS-PDF driver (printer-driver-cups-pdf)"
lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" || fail "cannot add the PDF queue"
lpoptions -d "$queue" >/dev/null || fail "cannot make the PDF queue the default"
touch "$work/started"

# window TITLE-REGEX [WIDTH]: the id of a visible window, waiting up to 10 s.
window() {
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            if [[ -z ${2:-} ]] || xdotool getwindowgeometry "$id" | grep -q "Geometry: $2x"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.05
    done
    return 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
keys() { local id=$1; shift; xdotool windowfocus --sync "$id" 2>/dev/null; xdotool key --delay 40 "$@"; }
ended() { # ended PID: waits up to 10 s and sets status
    for _ in $(seq 200); do kill -0 "$1" 2>/dev/null || { wait "$1"; status=$?; return 0; }; sleep 0.05; done
    return 1
}

step "start-up shows the main window"
"$build/kinmatch" >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
main=$(window '^Kinmatch v1\.10$' 480) || fail "no main window"

step "a second start is refused"
"$build/kinmatch" >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
box=$(window '^Kinmatch$') || fail "the second start showed no message"
[[ $(xdotool search --onlyvisible --name '^Kinmatch v1\.10$' | wc -l) -eq 1 ]] ||
    fail "the second start showed a window of its own"
keys "$box" Return
ended "$second" || fail "the second start did not end"
[[ $status -eq 0 ]] || fail "the second start ended with status $status"

step "a menu item hands its address to the browser"
keys "$main" alt+h o
for _ in $(seq 100); do [[ -s $work/opened ]] && break; sleep 0.05; done
[[ $(cat "$work/opened" 2>/dev/null) == "http://www.kinmatch.example/kinmatch-help.html" ]] ||
    fail "the browser got '$(cat "$work/opened" 2>/dev/null)'"

step "names and Alt+G show the result window"
xdotool windowfocus --sync "$main"
xdotool type --delay 20 "Ann"
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab
xdotool type --delay 20 "Bob"
xdotool key alt+g
result=$(window '^Kinmatch v1\.10$' 656) || fail "no result window"
for _ in $(seq 100); do viewable "$main" || break; sleep 0.05; done
viewable "$main" && fail "the main window is still shown"

step "Save, then Print, sends a job to the default printer"
keys "$result" space
report=$(window '^Kinmatch v1\.10$' 515) || fail "no report window"
keys "$report" alt+p
pdf=""
for _ in $(seq 300); do
    pdf=$(find /root /home /var/spool/cups-pdf "$HOME" -name '*.pdf' -newer "$work/started" 2>/dev/null | head -n 1)
    [[ -n $pdf ]] && lpstat -W completed -o "$queue" 2>/dev/null | grep -q "$queue" && break
    sleep 0.1
done
lpstat -W completed -o "$queue" 2>/dev/null | grep -q "$queue" || fail "no job completed on $queue"
[[ -n $pdf && -s $pdf ]] || fail "the printer wrote no PDF"
# CUPS-PDF draws text as shapes, so the report is recognised by its job title instead.
[[ $(basename "$pdf") == *Kinmatch_report* ]] || fail "the printed file is $(basename "$pdf")"
rm -f "$pdf"
keys "$report" Escape

step "File > Exit shows the support window, and its Exit ends the program"
keys "$result" alt+f x
support=$(window '^Kinmatch v1\.10$' 741) || fail "no support window"
keys "$support" alt+x
ended "$first" || fail "the program did not end"
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "1 passed, 0 failed"
