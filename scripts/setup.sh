# Shared by run.sh and test.sh: installs what the build needs on a fresh Debian machine and
# configures and builds the project in build/. Source it; don't run it.

KINMATCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KINMATCH_BUILD=$KINMATCH_ROOT/build

# Debian packages: the toolchain, Qt 6 (its X11 and offscreen platform plugins come with
# libqt6gui6), Qt's Linguist tools (lupdate, lrelease) and its own catalogs for the languages
# the program speaks, and the fonts the windows ask for.
KINMATCH_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
                   qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core)
# What the tests use beyond the build: poppler-utils reads printed PDFs back, python3 parses
# written HTML and Chromium measures it; fonts-symbola draws emoji in PDFs; Xvfb, two window
# managers (openbox, icewm), xdotool, wmctrl, weston and a private CUPS drive the whole program,
# and a private AT-SPI bus shows it as a screen reader meets it, with the screen reader Orca
# itself listening; clang with its runtime builds the fuzz
# targets; the validators, lintian, dpkg-dev and file check the installation and the .deb, and
# GIO, xdg-mime and File::MimeInfo type its files as the desktops do; groff renders the manuals.
KINMATCH_TEST_PACKAGES=(poppler-utils python3 chromium fonts-symbola xvfb openbox icewm wmctrl xdotool x11-utils cups weston qt6-wayland
                        dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca
                        clang libclang-rt-14-dev
                        desktop-file-utils appstream shared-mime-info lintian dpkg-dev file
                        xdg-utils libfile-mimeinfo-perl libglib2.0-bin groff-base)

# The Windows build: the MinGW-w64 cross compiler, wine to run what it builds, NSIS for the
# installer, dpkg-dev to unpack Debian's Qt source, python3 for the program file's icon and the
# installer's picture, osslsigncode to sign (and openssl for the test's own certificate), and
# Qt's host tools (moc, rcc) with CMake and Ninja from the Linux build.
KINMATCH_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 nsis dpkg-dev python3
                           osslsigncode openssl binutils-mingw-w64-x86-64)

# kinmatch_install_missing [extra packages...]
kinmatch_install_missing() {
    local missing=()
    for package in "${KINMATCH_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# The test packages are worth having but not worth failing over: a test whose tools are missing
# says so and is skipped.
kinmatch_install_test_tools() {
    kinmatch_install_missing "${KINMATCH_TEST_PACKAGES[@]}" ||
        echo "warning: could not install all of ${KINMATCH_TEST_PACKAGES[*]}" >&2
}

# kinmatch_build [cmake options...]: configures and builds in build/.
kinmatch_build() {
    kinmatch_build_in "$KINMATCH_BUILD" "$@"
}

# kinmatch_build_in FOLDER [cmake options...] [--target TARGET]
kinmatch_build_in() {
    local folder=$1
    shift
    local options=() targets=()
    while [[ $# -gt 0 ]]; do
        if [[ $1 == --target ]]; then targets+=(--target "$2"); shift 2; else options+=("$1"); shift; fi
    done
    cmake -S "$KINMATCH_ROOT" -B "$folder" -G Ninja "${options[@]}"
    cmake --build "$folder" --parallel "$(nproc)" "${targets[@]}"
}
