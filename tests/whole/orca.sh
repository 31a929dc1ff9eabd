#!/usr/bin/env bash
# The windows with the screen reader Orca itself, as a blind user meets them: Orca started before
# the program on a private X display with openbox and a private accessibility bus, and what it
# speaks read from its debug log. Checked: a closed list's new value as Down, Up, Home and End
# change it; a text box's whole text; the kind of each message (an error, a notice, a warning);
# the composite read as the result window opens and each part of the reading reached by Tab; a
# word spoken at each Ctrl+Right in the report; the support window's boxes each named; and the
# support window announced and holding the keyboard after each way of leaving (File > Exit,
# Alt+F4 on the result window, Back then File > Exit), where-am-I answered there and Enter
# ending the program.
#   orca.sh BUILD_DIR [LANGUAGE]
# Texts are checked by what does not change with the language (names typed here, numbers) or
# by the language's catalog. Orca speaks in English, its own words ("text", "alert") being its
# own. Skips (exit 77) where Orca, the display or the accessibility bus is missing. Orca keeps
# its settings in the test's folder, speaks to no synthesizer and is stopped by its id, as is
# everything else the test starts.
set -u
build=$(cd "$1" && pwd)
language=${2:-en}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/display.sh"
skip_without Xvfb dbus-daemon dbus-send xdotool xprop xwininfo xmessage openbox
[[ -x /usr/bin/orca ]] && /usr/bin/python3 -c 'import orca.orca_platform' 2>/dev/null ||
    { echo "SKIP: the screen reader Orca is not installed"; exit 77; }
skip_without_accessibility_bus
export PYTHONDONTWRITEBYTECODE=1
in_language "$language"

test_folder
private_display "$work"
start_window_manager openbox --sm-disable
private_accessibility_bus "$work"
# Screen-reader users' programs find it on through the bus, as Orca sets it.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
# A browser that does not start, whose failure the program tells in a notice.
printf '#!/bin/sh\nexit 3\n' >"$display_folder/bin/xdg-open"

step "Orca $(orca --version 2>/dev/null | head -n 1), started before the program"
speech=$work/orca.log
LANGUAGE=en LANG=C.UTF-8 XDG_DATA_HOME=$work/orca-data XDG_CACHE_HOME=$work/orca-cache \
    /usr/bin/python3 -u "$here/orca_speech.py" "$speech" --user-prefs "$work/orca-settings" \
    --disable braille >"$work/orca.out" 2>&1 &
orca_id=$!
pids+=("$orca_id")
for _ in $(seq 600); do
    grep -q "ORCA: Starting ATSPI registry" "$speech" 2>/dev/null && break
    kill -0 "$orca_id" 2>/dev/null || fail "Orca did not start: $(tail -n 5 "$work/orca.out")"
    sleep 0.05
done
grep -q "ORCA: Starting ATSPI registry" "$speech" || fail "Orca did not come up"

# listen: what Orca speaks from now on is heard by the checks below.
listen() { heard_from=$(wc -l <"$speech"); }
# utterances: Orca's speech since listen, one utterance a line, less its echo of the keys typed
# (a key's name, which Orca logs with a blank at its end).
utterances() {
    tail -n +$((heard_from + 1)) "$speech" |
        sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)' *{.*$/\1/p" | grep -v ' $'
}
# heard WHAT TEXT...: within 10 s Orca speaks an utterance that holds every TEXT.
heard() {
    local what=$1
    shift
    for _ in $(seq 100); do
        utterances | holds_all "$@" && return 0
        sleep 0.1
    done
    fail "Orca did not say $what: (${*}); it said: $(utterances | tr '\n' '|')"
}
holds_all() {
    local line text
    while IFS= read -r line; do
        for text; do [[ $line == *"$text"* ]] || continue 2; done
        return 0
    done
    return 1
}
# said_exactly WHAT TEXT: within 10 s Orca speaks TEXT as an utterance of its own (with or
# without the full stop Orca ends it with).
said_exactly() {
    for _ in $(seq 100); do
        utterances | grep -qxF -e "$2" -e "$2." && return 0
        sleep 0.1
    done
    fail "Orca did not say $1 ('$2'); it said: $(utterances | tr '\n' '|')"
}
# typed KEY...: keys pressed where the keyboard's focus is, as the user presses them: the test
# never moves the focus itself.
typed() { xdotool key --delay 150 "$@"; }
written() { xdotool type --delay 60 "$1"; }

# start_program: the program, once Orca has announced its main window and the box that has the
# focus there.
name_box=$(shown frmMain '%1: Name' "$(shown frmMain 'Your Personal Details')")
start_program() {
    listen
    "$build/kinmatch" >>"$work/kinmatch.log" 2>&1 &
    program=$!
    pids+=("$program")
    main=$(role frmMain) || fail "no main window ($(tail -n 3 "$work/kinmatch.log"))"
    heard "the main window's name box" "$name_box text"
    holds_keyboard "$main" "the main window"
}
# left HOW: the support window, shown after HOW, is announced with its focused Exit button,
# holds the keyboard without the test moving it there, answers where-am-I, and ends the
# program on Enter.
exit_button=$(shown frmNagScreen2 'E&xit')
left() {
    local support
    support=$(role frmNagScreen2) ||
        fail "$1 showed no support window; Orca said: $(utterances | tr '\n' '|')"
    heard "the support window after $1" "$exit_button push button"
    holds_keyboard "$support" "after $1 the support window"
    listen
    typed KP_Enter
    heard "where the user is, after $1" "$exit_button push button"
    [[ ${2:-} == boxes ]] && support_boxes
    listen
    typed Return
    window_wait=20 ended "$program" || fail "Enter on the support window did not end the program"
    [[ $status -eq 0 ]] || fail "the program ended with status $status after $1"
}
# support_boxes: Tab into each box of the refer-a-friend form names it, then back to Exit.
support_boxes() {
    local steps box
    for steps_box in "2 Your Name" "2 Your Email Address" "1 Friend's Email Address" \
        "1 Friend's Name"; do
        steps=${steps_box%% *}
        box=$(shown modTellAFriend "${steps_box#* }")
        listen
        typed $(printf 'Tab %.0s' $(seq "$steps"))
        said_exactly "the name of the box $box" "$box text"
    done
    listen
    typed Tab Tab
    heard "the Exit button again" "$exit_button push button"
}

step "File > Exit on the main window"
start_program
listen
typed "alt+$(access_key frmMain '&File')" "$(access_key frmMain 'E&xit')"
left "File > Exit"

step "Back, then File > Exit"
start_program
written Ann
typed Tab Tab Tab Tab Tab Tab
written Bob
listen
typed "alt+$(access_key frmMain '&Generate Mayan Astrology Compatibility Reading')"
result=$(role frmMayanCompatibilityResult) || fail "no result window"
# Each window announced down to its focused control before the next keys: keys typed while the
# window manager and the program still settle the focus go astray.
heard "the result window's composite" " label"
listen
typed "alt+$(access_key frmMayanCompatibilityResult '&File')" "$(access_key frmMayanCompatibilityResult '&Back')"
main=$(role frmMain) || fail "Back gave no main window"
heard "the main window's name box again" "$name_box text"
holds_keyboard "$main" "after Back the main window"
listen
typed "alt+$(access_key frmMain '&File')" "$(access_key frmMain 'E&xit')"
left "Back then File > Exit"

step "a notice: another copy is running"
start_program
listen
"$build/kinmatch" >>"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
heard "the notice's kind" "alert $(shown look '%1: %2' "$(shown look Information)" Kinmatch)"
typed Return
ended "$second" || fail "the second copy did not end"

step "the lists: each new value spoken"
heard "the main window's name box again" "$name_box text"
typed Tab
months=(January February November December)
for key_month in "Down 1" "End 3" "Up 2" "Home 0"; do
    listen
    typed "${key_month% *}"
    said_exactly "the month after ${key_month% *}" "$(shown Months "${months[${key_month#* }]}")"
done
# A value chosen in the open list is spoken there, and with the list as the focus returns to it.
listen
typed alt+Down Down Return
heard "the month chosen in the open list" "$(shown Months February) combo box"
listen
typed Home
said_exactly "the month after Home" "$(shown Months January)"
typed Tab
for key_day in "Down 2" "End 31" "Home 1"; do
    listen
    typed "${key_day% *}"
    said_exactly "the day after ${key_day% *}" "${key_day#* }"
done
typed Tab
for key_year in "Down 1901" "End 2016" "Up 2015"; do
    listen
    typed "${key_year% *}"
    said_exactly "the year after ${key_year% *}" "${key_year#* }"
done

step "an error: a blank name"
listen
typed "alt+$(access_key frmMain '&Generate Mayan Astrology Compatibility Reading')"
heard "the error's kind" "alert $(shown look '%1: %2' "$(shown look Error)" Kinmatch)"
listen
typed Return
heard "the name box, given the focus again" "$name_box text"

step "a name, whole, when its box gets the focus"
listen
written Bob
typed Tab shift+Tab
said_exactly "the name typed, whole" "Bob selected"
if utterances | grep -q "^Bo selected"; then fail "Orca read 'Bob' as 'Bo'"; fi

step "the result window reads the composite, and Tab reaches each part of the reading"
typed Tab Tab Tab Tab Tab Tab
written Ann
reading=$("$build/kinmatch-cli" match 2015-01-01 1900-01-01 --json) || fail "no reading from kinmatch-cli"
# value KEY...: the reading's field under the keys, from kinmatch-cli's JSON.
value() {
    /usr/bin/python3 -c 'import functools, json, sys
print(functools.reduce(lambda field, key: field[key], sys.argv[2:], json.loads(sys.argv[1])))' \
        "$reading" "$@"
}
listen
typed "alt+$(access_key frmMain '&Generate Mayan Astrology Compatibility Reading')"
result=$(role frmMayanCompatibilityResult) || fail "no result window"
heard "the composite" "$(shown - "$(value CompositeName)")"
listen
typed Tab Tab Tab Tab Tab Tab
for part in "user EnglishName" "user DayNumber" "partner EnglishName" "partner DayNumber"; do
    heard "a part of the reading ($part)" " $(shown - "$(value $part)") label"
done

step "the report: each Ctrl+Right speaks the word it reaches"
typed Tab space
report=$(role frmSave) || fail "Save showed no report"
heard "the report" "$(shown frmSave Report)"
sleep 1
for word in 1 2 3 4 5 6; do
    listen
    # Held down while the caret moves, so that Orca knows the key for a word's.
    xdotool keydown ctrl key Right
    for _ in $(seq 50); do [[ -n $(utterances) ]] && break; sleep 0.1; done
    xdotool keyup ctrl
    [[ -n $(utterances) ]] || fail "Ctrl+Right $word in the report said nothing"
done
typed alt+F4
gone "$report" || fail "Alt+F4 did not close the report"

step "a warning: the browser does not start"
listen
typed "alt+$(access_key look '&Help')" "$(access_key look '&Online Help')"
heard "the warning's kind" "alert $(shown look '%1: %2' "$(shown look Warning)" Kinmatch)"
typed Return

step "Alt+F4 on the result window, and the support window's boxes"
heard "the result window's Save button again" "$(shown frmMayanCompatibilityResult Save) push button"
listen
typed alt+F4
left "Alt+F4 on the result window" boxes

echo "1 passed, 0 failed"
