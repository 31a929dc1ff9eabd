#!/usr/bin/env bash
# kinmatch-cli on batches, as whole processes, beside a peer doing the same work: every valid
# date (1900-01-01 to 2016-12-31, 42,734 of them) through `reading - --csv`, and through Debian's
# python3-convertdate (the Tzolkin day of each date, a line in, a line out); and `group` of 1,000
# persons (499,500 pairs) as CSV. The runs alternate, and the medians are printed.
#   bench/cli_batch.sh [RUNS]      (default 7)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-7}
source "$root/scripts/setup.sh"
kinmatch_install_missing python3-convertdate
kinmatch_build >/dev/null
cli=$KINMATCH_BUILD/kinmatch-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$work" <<'PY'
import datetime, random, sys
work = sys.argv[1]
day, last = datetime.date(1900, 1, 1), datetime.date(2016, 12, 31)
with open(f"{work}/dates.txt", "w") as dates:
    while day <= last:
        dates.write(day.isoformat() + "\n")
        day += datetime.timedelta(1)
random.seed(1)
with open(f"{work}/group.csv", "w") as group:
    group.write("name,date\n")
    for i in range(1000):
        born = datetime.date(1900, 1, 1) + datetime.timedelta(random.randrange(42734))
        group.write(f"Person {i},{born.isoformat()}\n")
PY
cat >"$work/peer.py" <<'PY'
import sys
from convertdate import gregorian, mayan
out = sys.stdout
for line in sys.stdin:
    line = line.strip()
    if line:
        year, month, day = map(int, line.split("-"))
        number, name = mayan.to_tzolkin(gregorian.to_jd(year, month, day))
        out.write(f"{line},{number},{name}\n")
PY

seconds() { # seconds COMMAND...: the wall time of one run
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
for _ in $(seq "$runs"); do
    seconds sh -c "'$cli' reading - --csv < '$work/dates.txt'" >>"$work/cli"
    seconds sh -c "/usr/bin/python3 '$work/peer.py' < '$work/dates.txt'" >>"$work/peer"
    seconds "$cli" group "$work/group.csv" --csv >>"$work/group"
done
[[ $("$cli" reading - --csv <"$work/dates.txt" | wc -l) -eq 42735 ]] || { echo "wrong line count"; exit 1; }
/usr/bin/python3 - "$work" <<'PY'
import statistics, sys
work = sys.argv[1]
median = lambda name: statistics.median(float(x) for x in open(f"{work}/{name}"))
cli, peer, group = median("cli"), median("peer"), median("group")
print(f"42,734 dates, reading - --csv:      {cli * 1000:8.1f} ms")
print(f"the same dates, python3-convertdate: {peer * 1000:8.1f} ms  ({peer / cli:.1f} times slower)")
print(f"group of 1,000 persons as CSV:       {group * 1000:8.1f} ms  (499,500 pairs)")
PY
