#!/usr/bin/env bash
# Runs every fuzz target of a -DKINMATCH_FUZZ=ON build for a bounded time, two at a time, each
# from a copy of its seed corpus; any finding (a crash or a failed property) fails the run.
#   run.sh BUILD_DIR [SECONDS]      (default 20 seconds a target)
set -u
build=$(cd "$1" && pwd)
seconds=${2:-20}
seeds=$(cd "$(dirname "${BASH_SOURCE[0]}")/seeds" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_one() {
    local target=$1 name=${1#fuzz_}
    mkdir -p "$work/$name" "$work/$name-findings"
    cp -r "$seeds/$name/." "$work/$name/" 2>/dev/null
    if "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/$name-findings/" -print_final_stats=0 "$work/$name" \
        >"$work/$name.log" 2>&1; then
        echo "fuzz $name: no finding in ${seconds} s"
    else
        echo "FAIL: fuzz $name found a problem:"
        tail -n 30 "$work/$name.log"
        return 1
    fi
}
export -f run_one
export build seconds seeds work

targets=$(cd "$build/tests/fuzz" && find . -maxdepth 1 -type f -executable -name 'fuzz_*' -printf '%f\n' | sort)
[[ -n $targets ]] || { echo "FAIL: no fuzz targets in $build"; exit 1; }
if printf '%s\n' $targets | xargs -P 2 -I{} bash -c 'run_one {}'; then
    echo "$(wc -w <<<"$targets") passed, 0 failed"
else
    exit 1
fi
