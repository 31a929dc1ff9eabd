#!/usr/bin/env bash
# Start-up, memory and generate-command figures for Kinmatch beside a bare Qt window (and the same
# window showing one line of text), measured in one run on a private Xvfb display. Prints the
# medians and Kinmatch's ratios to both.
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
    probe startup "Bare window" "$KINMATCH_BUILD/bench/bare_window" --text >>"$work/text"
    probe generate "Kinmatch v1.10" "$KINMATCH_BUILD/kinmatch" >>"$work/kinmatch"
done

/usr/bin/python3 - "$work/bare" "$work/text" "$work/kinmatch" <<'PY'
import statistics, sys
def load(path):
    rows = [dict(item.split("=") for item in line.split()) for line in open(path)]
    return {key: statistics.median(float(row[key]) for row in rows) for key in rows[0]}
bare, text, kinmatch = (load(path) for path in sys.argv[1:4])
print(f"{'median':<24}{'bare window':>12}{'with text':>11}{'kinmatch':>10}{'ratio':>7}{'to text':>9}")
def row(name, key, scale=1.0):
    b, t, k = bare[key] / scale, text[key] / scale, kinmatch[key] / scale
    print(f"{name:<24}{b:>12.1f}{t:>11.1f}{k:>10.1f}{k / b:>7.2f}{k / t:>9.2f}")
row("start-up (ms)", "startup_ms")
row("resident memory (MiB)", "rss_kib", 1024)
print(f"{'generate (ms)':<24}{'':>12}{'':>11}{kinmatch['generate_ms']:>10.1f}")
print("ratio: kinmatch to the bare window; to text: kinmatch to the bare window showing text")
PY
