#!/usr/bin/env bash
# cmake --install into a temporary prefix and the .deb hold the program and its desktop files,
# and the desktop and AppStream validators accept them.
#   packaging.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
id=example.quorvane.Kinmatch
expected=(
    bin/kinmatch bin/kinmatch-cli
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/mime/packages/$id.xml
    share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/48x48/apps/$id.png
    share/icons/hicolor/256x256/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg
)

cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
for file in "${expected[@]}"; do
    [[ -s $work/prefix/$file ]] || fail "the installation lacks $file"
done
"$work/prefix/bin/kinmatch-cli" --version | grep -q "1.10" || fail "the installed kinmatch-cli does not run"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
    echo "note: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate"
else
    echo "note: appstreamcli is not installed"
fi
if command -v update-mime-database >/dev/null; then
    update-mime-database "$work/prefix/share/mime" 2>/dev/null
    grep -q "application/x-kinmatch-reading" "$work/prefix/share/mime/globs2" ||
        fail "the reading-file type is not registered"
fi

command -v dpkg-deb >/dev/null || { echo "note: dpkg-deb is not installed; no .deb built"; echo "1 passed, 0 failed"; exit 0; }
(cd "$build" && cpack -B "$work/deb" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/deb/*.deb 2>/dev/null | head -n 1)
[[ -n $deb ]] || fail "cpack made no .deb"
contents=$(dpkg-deb -c "$deb")
for file in "${expected[@]}"; do
    grep -q "/usr/$file\$" <<<"$contents" || fail "the .deb lacks /usr/$file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6printsupport6 libc6 qt6-qpa-plugins; do
    grep -q "$library" <<<"$depends" || fail "the .deb does not depend on $library ($depends)"
done
echo "1 passed, 0 failed"
