#!/usr/bin/env bash
# kinmatch-cli as whole processes, side by side with peers doing the same work in the same run:
# - one reading (`reading 1955-07-04`) against `date +%F`, 300 starts each;
# - every date of 1900-2016 (42,734) through `reading - --csv`, against Debian's
#   python3-convertdate doing the same conversion (the Tzolkin day of each date, a line in, a
#   line out);
# - a group of 1,000 persons (499,500 pairs) as CSV to a file, against `cat` writing the same
#   bytes to the same place.
# The runs alternate; medians are printed.
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
"$cli" group "$work/group.csv" --csv >"$work/pairs.csv"

seconds() { # seconds COMMAND...: the wall time of one run
    local start end
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    echo "($end - $start) / 1000000000" | bc -l
}
starts() { # starts COMMAND...: the wall time of 300 starts, in seconds
    local start end
    start=$(date +%s%N)
    for _ in $(seq 300); do "$@" >/dev/null; done
    end=$(date +%s%N)
    echo "($end - $start) / 1000000000" | bc -l
}
for _ in $(seq "$runs"); do
    starts "$cli" reading 1955-07-04 >>"$work/start"
    starts date +%F >>"$work/date"
    seconds sh -c "'$cli' reading - --csv < '$work/dates.txt' > /dev/null" >>"$work/cli"
    seconds sh -c "/usr/bin/python3 '$work/peer.py' < '$work/dates.txt' > /dev/null" >>"$work/peer"
    seconds sh -c "'$cli' group '$work/group.csv' --csv > '$work/out.csv'" >>"$work/group"
    seconds sh -c "cat '$work/pairs.csv' > '$work/out.csv'" >>"$work/cat"
done
[[ $("$cli" reading - --csv <"$work/dates.txt" | wc -l) -eq 42735 ]] || { echo "wrong line count"; exit 1; }
/usr/bin/python3 - "$work" "$(stat -c %s "$work/pairs.csv")" <<'PY'
import statistics, sys
work, size = sys.argv[1], int(sys.argv[2])
median = lambda name: statistics.median(float(x) for x in open(f"{work}/{name}"))
start, date = median("start") / 300, median("date") / 300
cli, peer, group, cat = median("cli"), median("peer"), median("group"), median("cat")
print(f"one reading, a whole process:          {start * 1000:8.2f} ms  (date +%F: {date * 1000:.2f} ms, {start / date:.2f} times)")
print(f"42,734 dates, reading - --csv:         {cli * 1000:8.1f} ms")
print(f"the same dates, python3-convertdate:   {peer * 1000:8.1f} ms  ({peer / cli:.1f} times slower)")
print(f"group of 1,000 persons as CSV, a file: {group * 1000:8.1f} ms  (499,500 pairs, {size / 1e6:.1f} MB)")
print(f"cat of the same bytes to the same file:{cat * 1000:8.1f} ms  ({group / cat:.2f} times)")
PY
