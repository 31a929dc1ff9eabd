# Shared by run.sh and test.sh: installs what the build needs on a fresh Debian machine and
# configures and builds the project in build/. Source it; don't run it.

KINMATCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KINMATCH_BUILD=$KINMATCH_ROOT/build

# Debian packages: the toolchain, Qt 6, the fonts the windows ask for, and what the tests use
# (poppler-utils reads printed PDFs back).
KINMATCH_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
                   fonts-dejavu-core poppler-utils)

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

# kinmatch_build [cmake options...]
kinmatch_build() {
    cmake -S "$KINMATCH_ROOT" -B "$KINMATCH_BUILD" -G Ninja "$@"
    cmake --build "$KINMATCH_BUILD" --parallel "$(nproc)"
}
