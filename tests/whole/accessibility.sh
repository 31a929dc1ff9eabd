#!/usr/bin/env bash
# The windows as a screen reader meets them: the real kinmatch on a private Xvfb display,
# speaking to a private AT-SPI bus on a private session bus, walked by accessibility.py (and on
# Wayland by wayland_title_bar.py).
#   accessibility.sh BUILD_DIR [LANGUAGE]
# Skips (exit 77) where Xvfb, dbus-daemon, at-spi2-core or python3-pyatspi is missing. It stops
# only the processes it started, by their ids.
set -u
build=$(cd "$1" && pwd)
language=${2:-en}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/display.sh"
skip_without Xvfb dbus-daemon dbus-send xdpyinfo xdotool xprop xmessage openbox
skip_without_accessibility_bus
test_folder
in_language "$language"
# The walks share a module of their own; they leave no compiled copy of it in the sources.
export PYTHONDONTWRITEBYTECODE=1

private_display "$work"
# A window manager, so that keys reach the focused window and windows can be closed as a user
# closes them.
start_window_manager openbox --sm-disable

private_accessibility_bus "$work"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/kinmatch" >"$work/kinmatch.log" 2>&1 &
on_x=$!
pids+=($on_x)
report=$(timeout 100 /usr/bin/python3 "$here/accessibility.py" "$work/opened" "$catalog" 2>&1) ||
    fail "the accessibility walk stopped: $report"
[[ -z $report ]] || fail "$report"
kill "$on_x" 2>/dev/null
wait "$on_x" 2>/dev/null

# On Wayland alone, where Weston leaves the title bar to the program: the windows' own title bar
# offers to minimize and close, and nothing offers to maximize.
if command -v weston >/dev/null && ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    weston --backend=headless-backend.so --socket=wayland-a11y --idle-time=0 >"$work/weston.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/wayland-a11y ]] && break; sleep 0.05; done
    (unset DISPLAY; WAYLAND_DISPLAY=wayland-a11y QT_QPA_PLATFORM=wayland \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$build/kinmatch") >"$work/wayland.log" 2>&1 &
    pids+=($!)
    report=$(timeout 60 /usr/bin/python3 "$here/wayland_title_bar.py" "$catalog" 2>&1) ||
        fail "the Wayland walk stopped: $report"
    [[ -z $report ]] || fail "$report"
else
    echo "note: weston or qt6-wayland is not installed; the Wayland title bar is not checked"
fi
echo "1 passed, 0 failed"
