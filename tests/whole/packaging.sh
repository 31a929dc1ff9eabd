#!/usr/bin/env bash
# The installation and the .deb as Debian and the desktops see them: what they hold, lintian,
# the desktop and AppStream validators, the manual pages against --help, and the reading file's
# type as GIO (GNOME), QMimeDatabase (KDE) and xdg-mime see it.
#   packaging.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
note() { echo "note: $*"; }
id=example.quorvane.Kinmatch
expected=(
    bin/kinmatch bin/kinmatch-cli
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/mime/packages/$id.xml
    share/man/man1/kinmatch.1.gz share/man/man1/kinmatch-cli.1.gz
    share/doc/kinmatch/copyright share/doc/kinmatch/changelog.gz
    share/bash-completion/completions/kinmatch-cli
    share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/48x48/apps/$id.png
    share/icons/hicolor/256x256/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg
)

cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
prefix=$work/prefix
for file in "${expected[@]}"; do
    [[ -s $prefix/$file ]] || fail "the installation lacks $file"
done
version=$("$prefix/bin/kinmatch-cli" --version) || fail "the installed kinmatch-cli does not run"
# The command-line tool starts without Qt; only its PDF module, loaded for --pdf, links it.
ldd "$prefix/bin/kinmatch-cli" | grep -q Qt && fail "kinmatch-cli links Qt: $(ldd "$prefix/bin/kinmatch-cli")"
# Nothing on standard error in normal use, even without a runtime folder (Qt would note that).
noise=$(env -u XDG_RUNTIME_DIR "$prefix/bin/kinmatch-cli" report --name Ann 1955-07-04 --pdf "$work/r.pdf" 2>&1 >/dev/null)
[[ -z $noise && -s $work/r.pdf ]] || fail "kinmatch-cli wrote on standard error: $noise"

echo "-- the facts written once agree everywhere"
grep -q "^StartupWMClass=kinmatch$" "$prefix/share/applications/$id.desktop" || fail "no StartupWMClass"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo names another id"
grep -q "release version=\"${version#kinmatch-cli }\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo's release is not $version"
zcat "$prefix/share/man/man1/kinmatch-cli.1.gz" | grep -q "Kinmatch ${version#kinmatch-cli }" ||
    fail "the manual page is not of $version"
# Menus, software centres and file managers speak every language the program speaks.
for catalog in "$source"/translations/kinmatch_*.ts; do
    language=${catalog##*/kinmatch_}
    language=${language%.ts}
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=" "$prefix/share/applications/$id.desktop" ||
            fail "the desktop entry has no $key[$language]"
    done
    for tag in summary p li caption; do
        grep -q "<$tag xml:lang=\"$language\">" "$prefix/share/metainfo/$id.metainfo.xml" ||
            fail "the metainfo has no $tag in $language"
    done
    grep -q "<comment xml:lang=\"$language\">" "$prefix/share/mime/packages/$id.xml" ||
        fail "the reading file's type has no name in $language"
done

echo "-- the manual page and the completion say what --help says"
cli=$prefix/bin/kinmatch-cli
if command -v groff >/dev/null; then
    # The page as a reader sees it: rendered wide, every usage line and option of --help stands
    # in it; rendered at 80 columns, no line is wider.
    page=$(zcat "$prefix/share/man/man1/kinmatch-cli.1.gz" | groff -man -Tascii -rLL=250n -P-cbou 2>/dev/null | tr -s ' ')
    while IFS= read -r line; do
        usage=$(sed -e 's/^ *//' <<<"$line")
        grep -qF -- "$usage" <<<"$page" || fail "the manual page lacks: $usage"
    done < <("$cli" --help | sed -n '/^  kinmatch-cli /p')
    for option in $("$cli" --help | grep -oE -- '--[a-z]+' | sort -u); do
        grep -qF -- "$option" <<<"$page" || fail "the manual page lacks $option"
    done
    for section in "EXIT STATUS" FILES EXAMPLES; do
        grep -q "^$section" <<<"$page" || fail "the manual page has no $section"
    done
    for manual in kinmatch kinmatch-cli; do
        wide=$(zcat "$prefix/share/man/man1/$manual.1.gz" | groff -man -Tascii -rLL=80n -P-cbou 2>/dev/null | awk 'length > 80')
        [[ -z $wide ]] || fail "$manual(1) has lines wider than 80 columns: $wide"
    done
else
    note "groff is not installed; the manual pages were not read"
fi
completion=$prefix/share/bash-completion/completions/kinmatch-cli
[[ -s $completion ]] || fail "the installation lacks the bash completion"
completes() { # completes WORD...: what the completion offers after the words
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kinmatch_cli; printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort' _ "$completion" "$@"
}
commands=$("$cli" --help | sed -n 's/^  kinmatch-cli \([a-z]*\) .*/\1/p' | sort -u)
[[ $(completes kinmatch-cli "" | grep -v "^-") == "$commands" ]] || fail "the completion offers other commands than --help lists"
for command in $commands; do
    # The options of the command's --help, and -- that ends them.
    options=$( ("$cli" "$command" --help | grep -oE -- '^  (-h, )?--[a-z]+' | grep -oE -- '-{1,2}[a-z]+'; echo --) | LC_ALL=C sort -u)
    [[ $(completes kinmatch-cli "$command" -) == "$options" ]] ||
        fail "the completion offers $command other options than its --help: $(completes kinmatch-cli "$command" -)"
done
# Files in any letter case, folders once, and after -- no option.
mkdir -p "$work/files/sub.csv" && touch "$work/files/UPPER.CSV" "$work/files/lower.csv" "$work/files/x.txt"
offered=$(cd "$work/files" && completes kinmatch-cli group "")
[[ $offered == "$(printf 'UPPER.CSV\nlower.csv\nsub.csv')" ]] ||
    fail "the completion offers for group: $(tr '\n' ' ' <<<"$offered")"
[[ -z $(cd "$work/files" && completes kinmatch-cli group -- -) ]] ||
    fail "the completion offers options after --"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
    note "desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
    report=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) ||
        fail "appstreamcli validate: $report"
    grep -qE '^(E|W):' <<<"$report" && fail "appstreamcli validate warns: $report"
else
    note "appstreamcli is not installed"
fi

echo "-- reading files are typed as readings, troff pages named .man as manual pages"
if command -v update-mime-database >/dev/null && [[ -f /usr/share/mime/packages/freedesktop.org.xml ]]; then
    data=$work/data
    mkdir -p "$data/mime/packages" "$work/empty"
    cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/share/mime/packages/$id.xml" "$data/mime/packages/"
    update-mime-database "$data/mime" || fail "update-mime-database"
    files=$work/files
    mkdir -p "$files"
    "$prefix/bin/kinmatch-cli" save "$files/ann.man" --name "Ann" 1955-07-04 || fail "save"
    "$prefix/bin/kinmatch-cli" save "$files/zoe.man" --name "Zoë Ångström-Œuvre" 2000-05-31 || fail "save"
    "$prefix/bin/kinmatch-cli" save "$files/human.man" --name "Human" 1900-01-01 || fail "save"
    mv "$files/human.man" "$files/Human"
    cp "$files/zoe.man" "$files/Zoe"
    printf '.TH KINMATCH 1\n.SH NAME\nkinmatch \\- a page\n' >"$files/page.man"
    printf '.\\" A page\n.TH X 7 "2026"\n.SH NAME\nx \\- y\n' >"$files/other.man"
    printf "'\\\" t\n.TH Y 1\n.SH NAME\ny \\- z\n" >"$files/table.man"
    # A real manual page, as a user saves it under that name.
    if [[ -f /usr/share/man/man1/ls.1.gz ]]; then
        zcat /usr/share/man/man1/ls.1.gz >"$files/ls.man"
    else
        printf '.\\" ls\n.TH LS "1"\n.SH NAME\nls \\- list\n' >"$files/ls.man"
    fi
    readings=(ann.man zoe.man Zoe Human)
    pages=(page.man other.man table.man ls.man)
    probe=$build/tests/mime_probe
    type_of() { # type_of TOOL FILE
        local env=(env XDG_DATA_DIRS="$data" XDG_DATA_HOME="$work/empty" XDG_CURRENT_DESKTOP=GNOME)
        local bare=(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u GNOME_DESKTOP_SESSION_ID
                    -u KDE_FULL_SESSION -u KDE_SESSION_VERSION -u MATE_DESKTOP_SESSION_ID
                    XDG_DATA_DIRS="$data" XDG_DATA_HOME="$work/empty")
        case $1 in
            gio) "${env[@]}" gio info -a standard::content-type "$2" 2>/dev/null | sed -n 's/^ *standard::content-type: //p' ;;
            qt) "${env[@]}" "$probe" "$2" ;;
            xdg-mime-gnome) "${bare[@]}" XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$2" 2>/dev/null ;;
            xdg-mime-kde) "${bare[@]}" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 xdg-mime query filetype "$2" 2>/dev/null ;;
            xdg-mime-xfce) "${bare[@]}" XDG_CURRENT_DESKTOP=XFCE xdg-mime query filetype "$2" 2>/dev/null ;;
            xdg-mime-none) "${bare[@]}" xdg-mime query filetype "$2" 2>/dev/null ;;
        esac
    }
    tools=()
    command -v gio >/dev/null && tools+=(gio) || note "gio is not installed"
    [[ -x $probe ]] && tools+=(qt)
    if command -v xdg-mime >/dev/null; then
        command -v gio >/dev/null && tools+=(xdg-mime-gnome xdg-mime-xfce)
        command -v kmimetypefinder5 >/dev/null && tools+=(xdg-mime-kde) ||
            note "kmimetypefinder5 is not installed; xdg-mime's KDE path (QMimeDatabase) is not run"
        # Without a known desktop, xdg-mime asks File::MimeInfo's mimetype.
        command -v mimetype >/dev/null && tools+=(xdg-mime-none) ||
            note "libfile-mimeinfo-perl is not installed; xdg-mime's generic path is not run"
    else
        note "xdg-mime is not installed"
    fi
    for tool in "${tools[@]}"; do
        for file in "${readings[@]}"; do
            [[ $(type_of "$tool" "$files/$file") == application/x-kinmatch-reading ]] ||
                fail "$tool types $file as '$(type_of "$tool" "$files/$file")'"
        done
        for file in "${pages[@]}"; do
            [[ $(type_of "$tool" "$files/$file") == application/x-troff-man ]] ||
                fail "$tool types $file as '$(type_of "$tool" "$files/$file")'"
        done
        echo "   $tool: ${#readings[@]} readings and ${#pages[@]} manual pages typed right"
    done
else
    note "shared-mime-info is not installed; file types not checked"
fi

echo "-- the .deb"
command -v dpkg-deb >/dev/null || { note "dpkg-deb is not installed; no .deb built"; echo "1 passed, 0 failed"; exit 0; }
(cd "$build" && cpack -B "$work/deb" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/deb/*.deb 2>/dev/null | head -n 1)
[[ -n $deb ]] || fail "cpack made no .deb"
contents=$(dpkg-deb -c "$deb")
for file in "${expected[@]}"; do
    grep -q "/usr/$file\$" <<<"$contents" || fail "the .deb lacks /usr/$file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libc6 fonts-dejavu-core; do
    grep -q "$library" <<<"$depends" || fail "the .deb does not depend on $library ($depends)"
done
grep -q "qt6-qpa-plugins" <<<"$depends" && fail "the .deb depends on qt6-qpa-plugins, which it does not use"
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in qt6-wayland cups-client; do
    grep -q "$package" <<<"$recommends" || fail "the .deb does not recommend $package ($recommends)"
done
if command -v lintian >/dev/null; then
    tags=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E '^(E|W):')
    [[ -z $tags ]] || fail "lintian: $tags"
else
    note "lintian is not installed"
fi
echo "1 passed, 0 failed"
