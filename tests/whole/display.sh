# A private X display for a test, with a home, a config folder and a runtime folder of the
# test's own, and a browser that only writes down the addresses it is handed (in FOLDER/opened).
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
