#!/usr/bin/env bash
# Installs what is missing, builds in build/ with warnings as errors, and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kinmatch_install_missing
kinmatch_install_test_tools
kinmatch_build -DKINMATCH_WERROR=ON
cd "$KINMATCH_BUILD"
ctest --output-on-failure --parallel "$(nproc)"
