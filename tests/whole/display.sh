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
