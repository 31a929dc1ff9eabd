#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test; then runs the
# offscreen suites again under AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz
# target for a bounded time. The tests build in folders of their own: build/ stays run.sh's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kinmatch_install_missing
kinmatch_install_test_tools

tests=$KINMATCH_ROOT/build-test
kinmatch_build_in "$tests" -DKINMATCH_WERROR=ON -DKINMATCH_PSEUDO_LANGUAGE=ON
(cd "$tests" && ctest --output-on-failure --parallel "$(nproc)")

sanitized=$KINMATCH_ROOT/build-sanitize
kinmatch_build_in "$sanitized" -DKINMATCH_WERROR=ON -DKINMATCH_SANITIZE=ON \
    -DKINMATCH_PSEUDO_LANGUAGE=ON
(cd "$sanitized" && ctest --output-on-failure --parallel "$(nproc)" -L offscreen)

if command -v clang++ >/dev/null; then
    fuzz=$KINMATCH_ROOT/build-fuzz
    kinmatch_build_in "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DKINMATCH_WERROR=ON \
        -DKINMATCH_FUZZ=ON --target fuzz_all
    bash "$KINMATCH_ROOT/tests/fuzz/run.sh" "$fuzz" "${KINMATCH_FUZZ_SECONDS:-20}"
else
    echo "note: clang++ is not installed; the fuzz targets were not run"
fi
