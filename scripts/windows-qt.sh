#!/usr/bin/env bash
# Builds Debian's own qtbase (the same 6.4.2 as the host's moc, rcc and uic) for 64-bit Windows
# with MinGW-w64, once, into a cache folder outside the repository, and prints that folder.
# Only what Kinmatch and its tests use: Core, Gui, Widgets, PrintSupport, Test and the Windows
# and offscreen platforms. Shared libraries: the installer ships Qt's DLLs beside the program,
# as Qt's licence expects, and the many test programs link in seconds instead of minutes.
#
#   scripts/windows-qt.sh            # builds if the cache is missing or incomplete
#   KINMATCH_QT_WINDOWS=DIR ...      # another cache folder
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

qt_version=6.4.2
cache=${KINMATCH_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/kinmatch/qt-$qt_version-mingw}
# Written last, so that an interrupted build is never taken for a complete one.
complete_mark=$cache/.kinmatch-complete
# The cache folder may be one the user named: only a folder that carries our mark (or is empty
# or missing) is ever emptied, here and for the build folder beside it.
owner_mark=.kinmatch-qt-cache
claim_folder() {
    if [[ -d $1 && ! -f $1/$owner_mark && -n $(ls -A "$1") ]]; then
        echo "windows-qt.sh: $1 holds files that are not ours; empty it or name another" \
             "folder in KINMATCH_QT_WINDOWS" >&2
        exit 1
    fi
    mkdir -p "$1"
    touch "$1/$owner_mark"
}

# Qt's own licence texts and those of the libraries built into it, which the installer ships.
licences=$cache/licences

if [[ -f $complete_mark && -d $licences ]]; then
    echo "$cache"
    exit 0
fi

kinmatch_install_missing "${KINMATCH_WINDOWS_PACKAGES[@]}" >&2

# Source and build beside the cache, kept until the build succeeds, so that an interrupted build
# goes on where it stopped.
work=$cache.build
claim_folder "$work"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
# The source package needs a deb-src entry. Ours is a file of its own, removed again whatever
# happens, so the machine's package sources stay as they were.
sources_entry=/etc/apt/sources.list.d/kinmatch-qt-source.sources
added_sources_entry=
clean_up() {
    if [[ -n $added_sources_entry ]]; then
        "${sudo[@]}" rm -f "$sources_entry"
        "${sudo[@]}" apt-get update -qq || true
    fi
}
trap clean_up EXIT

fetch_source() {
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $qt_version"; then
        # The archive and key the machine already uses for its binary packages.
        local release
        release=$(. /etc/os-release && echo "${VERSION_CODENAME:?}")
        added_sources_entry=1
        "${sudo[@]}" tee "$sources_entry" >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $release
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        "${sudo[@]}" apt-get update -qq
    fi
    (cd "$work" && apt-get source -qq --download-only qt6-base >&2)
    local dsc
    dsc=$(echo "$work"/qt6-base_"$qt_version"*.dsc)
    [[ -f $dsc ]] || { echo "windows-qt.sh: Debian's qt6-base is not $qt_version" >&2; exit 1; }
    # Unpacking applies Debian's patches, among them its security fixes.
    rm -rf "$work/qtbase.unpacking"
    dpkg-source -x "$dsc" "$work/qtbase.unpacking" >&2
    mv "$work/qtbase.unpacking" "$work/qtbase"
    rm -f "$work"/qt6-base_*
}

[[ -d $work/qtbase ]] || fetch_source

if [[ ! -f $complete_mark ]]; then
    claim_folder "$cache"
    find "$cache" -mindepth 1 -maxdepth 1 ! -name "$owner_mark" -exec rm -rf {} +
    cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$KINMATCH_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$cache" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_pkg_config=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_direct2d=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
        `# Debian's source leaves out the tablet header (wintab.h), and Qt 6.4's printing does not` \
        `# link with DirectWrite under MinGW; the program needs neither.` \
        -DFEATURE_directwrite=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_freetype=ON -DFEATURE_jpeg=ON \
        >&2
    cmake --build "$work/build" --parallel "$(nproc)" >&2
    cmake --install "$work/build" >&2
fi

# A cache from before the licences were kept gets them from the same source.
rm -rf "$licences.partial"
mkdir -p "$licences.partial"
(
    cd "$work/qtbase"
    find . -maxdepth 1 -type f -name 'LICENSE*' -print0
    [[ ! -d LICENSES ]] || find LICENSES -type f -print0
    printf '%s\0' debian/copyright
    find src/3rdparty -type f \( -iname '*licen[cs]e*' -o -iname 'copying*' -o -iname 'ftl.txt' \
        -o -iname 'notice*' -o -name qt_attribution.json -o -iname 'readme' \) -print0
) | (cd "$work/qtbase" && xargs -0 cp --parents -t "$licences.partial")
mv "$licences.partial" "$licences"
touch "$complete_mark"
rm -rf "$work"
echo "$cache"
