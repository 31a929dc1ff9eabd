#!/usr/bin/env bash
# Resident memory of the real windows over 1,000 generate/Back cycles, after cycle 50 and after
# cycle 1,050, on a private Xvfb display where one can be had (offscreen otherwise).
#   bench/memory.sh [CYCLES]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/setup.sh"
kinmatch_build >/dev/null
cycles=${1:-1000}
run() { "$KINMATCH_BUILD/bench/memory_cycles" "$cycles" 2>/dev/null; }
QT_QPA_PLATFORM=offscreen run
if command -v Xvfb >/dev/null; then
    for n in $(seq 150 190); do [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break; done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    sleep 1
    DISPLAY=":$n" QT_QPA_PLATFORM=xcb run
fi
