# A private X display for a test, with a home, a config folder and a runtime folder of the
# test's own, and a browser that only writes down the addresses it is handed (in FOLDER/opened);
# a window manager on it; and the steps by which tests find windows and type into them.
# Source it, then: private_display FOLDER FIRST-DISPLAY-NUMBER; the Xvfb's id is added to pids.

private_display() {
    local folder=$1 n
    for n in $(seq "$2" $(($2 + 60))); do [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break; done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=":$n" HOME=$folder/home XDG_CONFIG_HOME=$folder/home/.config
    export XDG_RUNTIME_DIR=$folder/run
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$folder/bin" && chmod 700 "$XDG_RUNTIME_DIR"
    printf '#!/bin/sh\necho "$@" >> %s/opened\n' "$folder" >"$folder/bin/xdg-open"
    chmod +x "$folder/bin/xdg-open"
    export PATH=$folder/bin:$PATH
    unset QT_QPA_PLATFORM BROWSER WAYLAND_DISPLAY
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
}

# start_window_manager COMMAND...: starts a window manager on the display, adds its id to pids,
# and returns once it frames new windows (a window it manages has its frame's extents), so that
# no window of the test is mapped before the manager takes windows over.
start_window_manager() {
    "$@" >/dev/null 2>&1 &
    pids+=($!)
    local probe
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
        sleep 0.05
    done
    xmessage -name kinmatch-probe -timeout 20 "probe" >/dev/null 2>&1 &
    probe=$!
    for _ in $(seq 200); do
        xprop -name kinmatch-probe _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && break
        sleep 0.05
    done
    kill "$probe" 2>/dev/null
    wait "$probe" 2>/dev/null
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
# ended PID: waits up to window_wait seconds for the process to end; sets status to its status.
ended() {
    for _ in $(seq $((${window_wait:-10} * 20))); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; status=$?; return 0; }
        sleep 0.05
    done
    return 1
}
