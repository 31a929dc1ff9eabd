#!/usr/bin/env bash
# Kinmatch for Windows, made and tested here: installs what is missing, builds Qt for MinGW-w64
# once (scripts/windows-qt.sh, kept in a cache), cross-builds kinmatch.exe, kinmatch-cli.exe and
# the offscreen suites into build-windows/, makes build-windows/kinmatch-1.10-setup.exe with NSIS,
# and tests it all under wine (tests/windows/wine.sh).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kinmatch_install_missing "${KINMATCH_WINDOWS_PACKAGES[@]}" xvfb openbox xdotool x11-utils

qt=$(bash "$KINMATCH_ROOT/scripts/windows-qt.sh")
windows=$KINMATCH_ROOT/build-windows
kinmatch_build_in "$windows" \
    -DCMAKE_TOOLCHAIN_FILE="$KINMATCH_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DKINMATCH_WERROR=ON
cmake --build "$windows" --target installer

# The Linux tool that the Windows one must answer as, built as the test command builds it.
kinmatch_build_in "$KINMATCH_ROOT/build-test" -DKINMATCH_WERROR=ON --target kinmatch-cli >/dev/null
bash "$KINMATCH_ROOT/tests/windows/wine.sh" "$windows" "$qt" "$KINMATCH_ROOT/build-test/kinmatch-cli"
