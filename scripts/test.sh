#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test; then runs the
# offscreen suites again under AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz
# target for a bounded time. The tests build in folders of their own: build/ stays run.sh's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kinmatch_install_missing
kinmatch_install_test_tools

tests=$KINMATCH_ROOT/build-test
sanitized=$KINMATCH_ROOT/build-sanitize
fuzz=$KINMATCH_ROOT/build-fuzz
kinmatch_build_in "$tests" -DKINMATCH_WERROR=ON -DKINMATCH_PSEUDO_LANGUAGE=ON

# The display tests take most of the suite's time waiting on windows, with the cores idle: the
# sanitizer and fuzz builds use them meanwhile, in the idle scheduling class, so that they take
# only the time the tests leave.
sanitized_and_fuzz_builds() {
    kinmatch_build_in "$sanitized" -DKINMATCH_WERROR=ON -DKINMATCH_SANITIZE=ON \
        -DKINMATCH_PSEUDO_LANGUAGE=ON
    if command -v clang++ >/dev/null; then
        kinmatch_build_in "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DKINMATCH_WERROR=ON \
            -DKINMATCH_FUZZ=ON --target fuzz_all
    fi
}
builds_log=$(mktemp)
trap 'rm -f "$builds_log"' EXIT
(chrt --idle -p 0 "$BASHPID" && sanitized_and_fuzz_builds) >"$builds_log" 2>&1 &
builds=$!

status=0
(cd "$tests" && ctest --output-on-failure --parallel "$(nproc)") || status=$?
if ! wait "$builds"; then
    cat "$builds_log"
    echo "FAIL: the sanitizer or fuzz build failed"
    exit 1
fi
((status == 0)) || exit "$status"

(cd "$sanitized" && ctest --output-on-failure --parallel "$(nproc)" -L offscreen)

if command -v clang++ >/dev/null; then
    bash "$KINMATCH_ROOT/tests/fuzz/run.sh" "$fuzz" "${KINMATCH_FUZZ_SECONDS:-20}"
else
    echo "note: clang++ is not installed; the fuzz targets were not run"
fi
