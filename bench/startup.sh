#!/usr/bin/env bash
# Start-up, memory and generate-command figures for Kinmatch beside a bare Qt window, measured in
# one run on a private Xvfb display. Prints the medians and Kinmatch's ratio to the bare window.
#   bench/startup.sh [RUNS]      (default 9 runs of each)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-9}
source "$root/scripts/setup.sh"
kinmatch_install_missing xvfb xdotool x11-utils python3-xlib
kinmatch_build >/dev/null

work=$(mktemp -d)
for n in $(seq 150 190); do [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break; done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=":$n" HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

probe() { /usr/bin/python3 "$root/bench/xprobe.py" "$@"; }
# One warm-up each, so that both start from warm file caches.
probe startup "Bare window" "$KINMATCH_BUILD/bench/bare_window" >/dev/null
probe generate "Kinmatch v1.10" "$KINMATCH_BUILD/kinmatch" >/dev/null
for _ in $(seq "$runs"); do
    probe startup "Bare window" "$KINMATCH_BUILD/bench/bare_window" >>"$work/bare"
    probe generate "Kinmatch v1.10" "$KINMATCH_BUILD/kinmatch" >>"$work/kinmatch"
done

python3 - "$work/bare" "$work/kinmatch" <<'PY'
import statistics, sys
def load(path):
    rows = [dict(item.split("=") for item in line.split()) for line in open(path)]
    return {key: statistics.median(float(row[key]) for row in rows) for key in rows[0]}
bare, kinmatch = load(sys.argv[1]), load(sys.argv[2])
print(f"{'median':<22}{'bare window':>14}{'kinmatch':>12}{'ratio':>8}")
print(f"{'start-up (ms)':<22}{bare['startup_ms']:>14.1f}{kinmatch['startup_ms']:>12.1f}"
      f"{kinmatch['startup_ms'] / bare['startup_ms']:>8.2f}")
print(f"{'resident memory (MiB)':<22}{bare['rss_kib'] / 1024:>14.1f}{kinmatch['rss_kib'] / 1024:>12.1f}"
      f"{kinmatch['rss_kib'] / bare['rss_kib']:>8.2f}")
print(f"{'generate (ms)':<22}{'':>14}{kinmatch['generate_ms']:>12.1f}")
PY
