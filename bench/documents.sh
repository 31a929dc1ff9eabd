#!/usr/bin/env bash
# kinmatch-cli's documents of a group of 100 persons, whole processes: the HTML and the PDF (its
# matrix in landscape pages of columns), and the couple's report as PDF. Medians of RUNS.
#   bench/documents.sh [RUNS]      (default 5)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-5}
source "$root/scripts/setup.sh"
kinmatch_build >/dev/null
cli=$KINMATCH_BUILD/kinmatch-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$work" <<'PY'
import datetime, random, sys
random.seed(2)
with open(f"{sys.argv[1]}/group.csv", "w") as group:
    group.write("name,date\n")
    for i in range(100):
        born = datetime.date(1900, 1, 1) + datetime.timedelta(random.randrange(42734))
        group.write(f"Person {i} Fitzgerald-Montgomery,{born.isoformat()}\n")
PY
seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo "($end - $start) / 1000000000" | bc -l
}
for _ in $(seq "$runs"); do
    seconds "$cli" group "$work/group.csv" --html "$work/group.html" >>"$work/html"
    seconds "$cli" group "$work/group.csv" --pdf "$work/group.pdf" >>"$work/pdf"
    seconds "$cli" couple --name Ann 1955-07-04 --name Bob 2000-01-01 --pdf "$work/couple.pdf" >>"$work/couple"
done
pages=$(pdfinfo "$work/group.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
/usr/bin/python3 - "$work" "${pages:-?}" <<'PY'
import statistics, sys
work, pages = sys.argv[1], sys.argv[2]
median = lambda name: statistics.median(float(x) for x in open(f"{work}/{name}"))
print(f"group of 100 as HTML:   {median('html') * 1000:8.1f} ms")
print(f"group of 100 as PDF:    {median('pdf') * 1000:8.1f} ms  ({pages} pages)")
print(f"couple's report as PDF: {median('couple') * 1000:8.1f} ms")
PY
