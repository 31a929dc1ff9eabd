#!/usr/bin/env bash
# kinmatch-cli's documents of groups of 100, 300 and 1,000 persons, whole processes: the HTML
# and the PDF (its matrix in landscape pages of columns), each with its peak memory, and the
# couple's report as PDF; then the time Chromium takes to show the first screen of the HTML of
# 1,000 persons. Medians of RUNS (the groups of 1,000 once each).
#   bench/documents.sh [RUNS]      (default 3)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-3}
source "$root/scripts/setup.sh"
kinmatch_build >/dev/null
cli=$KINMATCH_BUILD/kinmatch-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$work" <<'PY'
import datetime, random, sys
for size in (100, 300, 1000):
    random.seed(2)
    with open(f"{sys.argv[1]}/group{size}.csv", "w") as group:
        group.write("name,date\n")
        for i in range(size):
            born = datetime.date(1900, 1, 1) + datetime.timedelta(random.randrange(42734))
            group.write(f"Person {i} Fitzgerald-Montgomery,{born.isoformat()}\n")
PY
# measure NAME COMMAND...: seconds and peak resident kilobytes, appended to work/NAME.
measure() {
    local name=$1
    shift
    /usr/bin/time -f "%e %M" -o "$work/one" "$@" >/dev/null
    cat "$work/one" >>"$work/$name"
}
for size in 100 300 1000; do
    times=$runs
    ((size < 1000)) || times=1
    for _ in $(seq "$times"); do
        measure "html$size" "$cli" group "$work/group$size.csv" --html "$work/group$size.html"
        measure "pdf$size" "$cli" group "$work/group$size.csv" --pdf "$work/group$size.pdf"
    done
done
for _ in $(seq "$runs"); do
    measure couple "$cli" couple --name Ann 1955-07-04 --name Bob 2000-01-01 --pdf "$work/couple.pdf"
done
# The first screen of the page of 1,000 persons: Chromium loads it and makes its screenshot.
browser=$(command -v chromium || true)
if [[ -n $browser ]]; then
    start=$(date +%s%N)
    "$browser" --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
        --disable-component-update --disable-sync --user-data-dir="$work/profile" \
        --window-size=1200,900 --screenshot="$work/first.png" "file://$work/group1000.html" \
        >/dev/null 2>&1
    echo "($(date +%s%N) - $start) / 1000000000" | bc -l >"$work/chromium"
fi
/usr/bin/python3 - "$work" <<'PY'
import os, statistics, subprocess, sys
work = sys.argv[1]
def figures(name):
    rows = [line.split() for line in open(f"{work}/{name}")]
    return (statistics.median(float(r[0]) for r in rows),
            statistics.median(int(r[1]) for r in rows) / 1024)
def pages(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    return next((l.split()[-1] for l in info.splitlines() if l.startswith("Pages:")), "?")
for size in (100, 300, 1000):
    seconds, mb = figures(f"html{size}")
    size_mb = os.path.getsize(f"{work}/group{size}.html") / 1e6
    print(f"group of {size:4} as HTML: {seconds:7.2f} s {mb:6.1f} MB peak, {size_mb:5.1f} MB page")
    seconds, mb = figures(f"pdf{size}")
    print(f"group of {size:4} as PDF:  {seconds:7.2f} s {mb:6.1f} MB peak, "
          f"{pages(f'{work}/group{size}.pdf')} pages")
seconds, mb = figures("couple")
print(f"couple's report as PDF: {seconds:7.2f} s {mb:6.1f} MB peak")
if os.path.exists(f"{work}/chromium"):
    print(f"Chromium, first screen of 1,000 persons: {float(open(f'{work}/chromium').read()):.2f} s")
PY
