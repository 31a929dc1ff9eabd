# A folder of the test's own; a private X display for a test, with a home, a config folder and a
# runtime folder of the test's own, and a browser that only writes down the addresses it is
# handed (in FOLDER/opened); a window manager on it; and the steps by which tests find windows
# and type into them.
# Source it, then: test_folder; private_display "$work"; the Xvfb's id is added to pids.

# test_folder [COMMAND...]: work, a folder of the test's own, and pids, for the processes the test
# starts. At the test's end COMMAND runs (a stopping of the test's own), every process in pids is
# stopped by its id, and the folder is removed.
test_folder() {
    work=$(mktemp -d)
    pids=()
    at_end=("$@")
    trap end_test EXIT
}
end_test() {
    ((${#at_end[@]} == 0)) || "${at_end[@]}"
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
step() { echo "-- $*"; }

# skip_without TOOL...: the test skips (77), saying which, where a tool is not installed.
skip_without() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# fail MESSAGE: the test fails, saying what is on the display, which window holds the keyboard
# (and whether its window manager is still there) for the one who reads the log of a failed run.
fail() {
    echo "FAIL: $*"
    if [[ -n ${window_manager:-} ]] && ! kill -0 "$window_manager" 2>/dev/null; then
        echo "   the window manager has gone: $(tail -n 5 "$display_folder/window-manager.log")"
    fi
    if [[ -n ${DISPLAY:-} ]]; then
        local id active
        active=$(xdotool getactivewindow 2>/dev/null)
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            echo "   on the display: '$(xdotool getwindowname "$id" 2>/dev/null)'" \
                "$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/ *Geometry: //p')" \
                "$([[ $id == "$active" ]] && echo '(holds the keyboard)')"
        done
    fi
    exit 1
}

private_display() {
    display_folder=$1
    mkdir -p "$display_folder"
    # Xvfb picks the first display it can listen on and names it once it accepts clients: no
    # other server takes that display between a look and a start, and a display held only by
    # its abstract socket (another container's, on a shared network) is passed over.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_folder/display" >/dev/null 2>&1 &
    pids+=("$!")
    for _ in $(seq 600); do [[ -s $display_folder/display ]] && break; sleep 0.05; done
    [[ -s $display_folder/display ]] || fail "Xvfb did not start"
    DISPLAY=":$(head -n 1 "$display_folder/display")"
    export DISPLAY HOME=$display_folder/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_RUNTIME_DIR=$display_folder/run
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$display_folder/bin" && chmod 700 "$XDG_RUNTIME_DIR"
    printf '#!/bin/sh\necho "$@" >> %s/opened\n' "$display_folder" >"$display_folder/bin/xdg-open"
    chmod +x "$display_folder/bin/xdg-open"
    export PATH=$display_folder/bin:$PATH
    unset QT_QPA_PLATFORM BROWSER WAYLAND_DISPLAY
}

# skip_without_accessibility_bus: the test skips where the AT-SPI bus or pyatspi is missing.
accessibility_launcher=/usr/libexec/at-spi-bus-launcher
skip_without_accessibility_bus() {
    [[ -x $accessibility_launcher ]] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
    command -v dbus-daemon >/dev/null || { echo "SKIP: dbus-daemon is not installed"; exit 77; }
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
}

# private_accessibility_bus FOLDER: a session bus of the test's own, and the accessibility bus
# on it, as a desktop session has them; returns once the bus answers.
private_accessibility_bus() {
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$1/session-bus" >/dev/null 2>&1 &
    pids+=($!)
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$1/session-bus
    for _ in $(seq 100); do [[ -S $1/session-bus ]] && break; sleep 0.05; done
    "$accessibility_launcher" --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 200); do
        dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    fail "the accessibility bus did not come up"
}

# start_window_manager COMMAND...: starts a window manager on the display (its id in pids and
# in window_manager) and returns once it frames new windows (a window it manages has its
# frame's extents), so that no window of the test is mapped before the manager takes windows
# over. A manager that leaves or frames nothing is started again, twice at most; the test fails
# rather than go on without one.
start_window_manager() {
    for _ in 1 2 3; do
        "$@" >>"$display_folder/window-manager.log" 2>&1 &
        window_manager=$!
        pids+=("$window_manager")
        window_manager_frames && return 0
        kill "$window_manager" 2>/dev/null
    done
    fail "the window manager ($1) does not come up"
}
window_manager_frames() {
    local probe framed=1
    for _ in $(seq 400); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        kill -0 "$window_manager" 2>/dev/null || return 1
        sleep 0.05
    done
    xmessage -name kinmatch-probe -timeout 30 "probe" >/dev/null 2>&1 &
    probe=$!
    for _ in $(seq 400); do
        xprop -name kinmatch-probe _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && { framed=0; break; }
        sleep 0.05
    done
    kill "$probe" 2>/dev/null
    wait "$probe" 2>/dev/null
    return "$framed"
}

# role NAME: the id of the visible window of the program that carries that role (its object
# name: frmMain, frmMayanCompatibilityResult, frmSave, frmAbout, frmNagScreen2), waiting up to
# window_wait seconds (10 unless set). Every language gives the same answer.
role() {
    local id
    for _ in $(seq $((${window_wait:-10} * 20))); do
        for id in $(xdotool search --onlyvisible --class '^kinmatch$' 2>/dev/null); do
            if xprop -id "$id" WM_WINDOW_ROLE 2>/dev/null | grep -q "= \"$1\"$"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.05
    done
    return 1
}

# window TITLE-REGEX [WIDTH]: the id of a visible window of that title (and width), waiting up to
# window_wait seconds (10 unless set).
window() {
    local id
    for _ in $(seq $((${window_wait:-10} * 20))); do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            if [[ -z ${2:-} ]] || xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $2x"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.05
    done
    return 1
}
# viewable ID: the window is mapped.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# gone ID: the window is closed within 10 s.
gone() {
    for _ in $(seq 200); do xdotool getwindowname "$1" >/dev/null 2>&1 || return 0; sleep 0.05; done
    return 1
}
# holds_keyboard ID WHAT: within 5 s the window manager has given the window the keyboard,
# without the test moving it there. Tests type only there: keys typed while the window manager
# still settles the focus after a window closed go astray.
holds_keyboard() {
    for _ in $(seq 100); do
        [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]] && return 0
        sleep 0.05
    done
    fail "$2 does not hold the keyboard"
}
# keys ID KEY...: the keys, typed into the window once it is active and has the focus (the
# second also for a window that asks the window manager for none, as the support window does
# for a moment).
keys() {
    local id=$1
    shift
    xdotool windowactivate "$id" >/dev/null 2>&1
    xdotool windowfocus --sync "$id" >/dev/null 2>&1
    xdotool key --delay 80 "$@"
}
# in_language LANGUAGE: the program runs in the language (en, es, pt_BR), whose texts shown and
# access_key read from its catalog.
display_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
catalog=en
in_language() {
    language=$1
    catalog=en
    [[ $language == en ]] || catalog=$display_here/../../translations/kinmatch_$language.ts
    [[ $catalog == en || -f $catalog ]] || fail "no catalog for $language"
    export LANGUAGE=$language
}
# shown CONTEXT TEXT [ARGUMENT...]: the text as the program shows it in the test's language.
shown() { /usr/bin/python3 "$display_here/catalog.py" "$catalog" "$@"; }
# access_key CONTEXT TEXT: the text's access key in the test's language ("x" for "E&xit").
access_key() { /usr/bin/python3 "$display_here/catalog.py" --key "$catalog" "$@"; }

# generate_reading MAIN-ID: types Ann and Bob into the main window's name boxes and presses
# the Generate button's access key.
generate_reading() {
    xdotool windowactivate "$1" >/dev/null 2>&1
    xdotool windowfocus --sync "$1"
    xdotool type --delay 40 "Ann"
    xdotool key --delay 80 Tab Tab Tab Tab Tab Tab
    xdotool type --delay 40 "Bob"
    xdotool key "alt+$(access_key frmMain '&Generate Mayan Astrology Compatibility Reading')"
}
# leave_through_support RESULT-ID PID: File > Exit in the result window, then Enter on the
# support window's focused Exit; the program must end with status 0.
leave_through_support() {
    keys "$1" "alt+$(access_key frmMayanCompatibilityResult '&File')" \
        "$(access_key frmMayanCompatibilityResult 'E&xit')"
    local support
    # Under wine, where windows carry no role, by its title and width.
    if [[ -n ${title:-} ]]; then
        support=$(window "$title" 741) || fail "no support window"
    else
        support=$(role frmNagScreen2) || fail "no support window"
    fi
    keys "$support" Return
    ended "$2" || fail "the program did not end"
    [[ $status -eq 0 ]] || fail "the program ended with status $status"
}
# ended PID: waits up to window_wait seconds for the process to end; sets status to its status.
ended() {
    for _ in $(seq $((${window_wait:-10} * 20))); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; status=$?; return 0; }
        sleep 0.05
    done
    return 1
}
