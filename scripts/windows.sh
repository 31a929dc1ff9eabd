#!/usr/bin/env bash
# Kinmatch for Windows, made and tested here: installs what is missing, builds Qt for MinGW-w64
# once (scripts/windows-qt.sh, kept in a cache), cross-builds kinmatch.exe, kinmatch-cli.exe and
# the offscreen suites into build-windows/, makes the installer with NSIS (its path, with the
# version from CMakeLists.txt, in build-windows/installer.env), and tests it all under wine
# (tests/windows/wine.sh).
#
# Signing: with a certificate, every program file, the installer and its uninstaller are signed
# with osslsigncode (packaging/windows/sign.sh):
#   KINMATCH_SIGN_PFX=FILE.pfx KINMATCH_SIGN_PASSWORD=... [KINMATCH_SIGN_TIMESTAMP=URL] \
#       scripts/windows.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kinmatch_install_missing "${KINMATCH_WINDOWS_PACKAGES[@]}" xvfb openbox xdotool x11-utils

qt=$(bash "$KINMATCH_ROOT/scripts/windows-qt.sh")
windows=$KINMATCH_ROOT/build-windows
# No debug information: the installer ships its files stripped, so it would only slow the build.
# -O2, as Debian builds: GCC 12's -O3 warns falsely of overlapping copies inside std::string.
kinmatch_build_in "$windows" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_TOOLCHAIN_FILE="$KINMATCH_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DKINMATCH_WERROR=ON
cmake --build "$windows" --target installer
source "$windows/installer.env"
if [[ -n ${KINMATCH_SIGN_PFX:-} ]]; then
    echo "Signed with the certificate in $KINMATCH_SIGN_PFX: $KINMATCH_INSTALLER"
else
    echo "UNSIGNED: no certificate was given (KINMATCH_SIGN_PFX), so $KINMATCH_INSTALLER and" \
         "the programs in it are not signed; Windows will warn of an unknown publisher."
fi

# The Linux tool that the Windows one must answer as, built as the test command builds it.
kinmatch_build_in "$KINMATCH_ROOT/build-test" -DKINMATCH_WERROR=ON --target kinmatch-cli >/dev/null
bash "$KINMATCH_ROOT/tests/windows/wine.sh" "$windows" "$qt" "$KINMATCH_ROOT/build-test/kinmatch-cli"
