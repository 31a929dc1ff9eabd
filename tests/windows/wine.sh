#!/usr/bin/env bash
# Kinmatch for Windows as a Windows user meets it, under wine on a private X display with a
# window manager: the installer, signed with a certificate of the test's own and run silently,
# the files it installs (stripped, with version resources, manifests and licence texts), the
# offscreen suites against the installed copy, kinmatch-cli.exe against the Linux tool byte for
# byte, the real kinmatch.exe driven by keys (its save dialog, a reading handed to the running
# copy), another program's .man files kept, an upgrade and the uninstaller with Kinmatch
# running, and the uninstaller leaving nothing but the user's own files.
#   wine.sh WINDOWS_BUILD QT_FOR_WINDOWS LINUX_KINMATCH_CLI
# Skips (exit 77) where wine, Xvfb, xdotool, openbox, makensis, osslsigncode or openssl is
# missing. Everything happens in a folder and a wine prefix of its own; it stops only what it
# started, by process id.
#
# Where wine is not Windows, and the test leans on it:
# - wine's "start" does not merge the user's file types (HKCU\Software\Classes) into those of
#   the system, so the association's own registered command is run;
# - wine hides the host's QT_ variables from Windows programs: they go into its environment key;
# - wine lets a program read a running program's file as Windows does, and closes its windows
#   on WM_CLOSE as Windows does; the installer's and the uninstaller's checks are the same code
#   on both.
set -u
build=$(cd "$1" && pwd)
qt=$2
linux_cli=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mingw=x86_64-w64-mingw32
source "$here/../whole/display.sh"
skip_without wine wineserver winepath Xvfb xdotool xprop xmessage openbox python3 makensis \
    osslsigncode openssl $mingw-objdump $mingw-windres $mingw-gcc-posix
# The version and the installer, as the build wrote them.
source "$build/installer.env"
title="^Kinmatch v${KINMATCH_VERSION//./\\.}\$"

stop_wine() { WINEPREFIX=$work/wine wineserver -k 2>/dev/null; }
test_folder stop_wine

private_display "$work"
start_window_manager openbox --sm-disable
# Wine takes its time to start a program.
window_wait=20
# A prefix of the test's own; wine's web and .NET runtimes are not wanted (nor offered).
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
wineboot --init >/dev/null 2>&1
wineserver -w
profile=$WINEPREFIX/drive_c/users/$(wine cmd /c echo %USERNAME% 2>/dev/null | tr -d '\r')
[[ -d $profile ]] || fail "wine made no user profile"
reg_value() { # reg_value KEY NAME: the value's data, or nothing; NAME "(Default)" is the key's own
    local which=(/v "$2")
    [[ $2 == "(Default)" ]] && which=(/ve)
    wine reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}

step "signed with a certificate of the test's own, every program file and the installer verify"
# The same installation and script as the build's, signed by the build's own signing step.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Kinmatch test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/signer.key" -out "$work/signer.pem" \
    >/dev/null 2>&1 || fail "openssl made no certificate"
openssl pkcs12 -export -inkey "$work/signer.key" -in "$work/signer.pem" -out "$work/signer.pfx" \
    -passout pass:test-password >/dev/null 2>&1 || fail "openssl made no PKCS#12 file"
cp -r "$build/stage" "$work/stage"
installer=$work/$(basename "$KINMATCH_INSTALLER")
export KINMATCH_SIGN_PFX=$work/signer.pfx KINMATCH_SIGN_PASSWORD=test-password
bash "$here/../../packaging/windows/sign.sh" "$work/stage" || fail "the program files were not signed"
makensis -V2 -DKINMATCH_STAGE="$work/stage" -DKINMATCH_OUTFILE="$installer" \
    "$build/generated/kinmatch.nsi" >"$work/makensis.log" 2>&1 ||
    { cat "$work/makensis.log"; fail "makensis failed"; }
unset KINMATCH_SIGN_PFX KINMATCH_SIGN_PASSWORD
verified() { # verified FILE: its signature is one of the test's certificate and sound
    osslsigncode verify -CAfile "$work/signer.pem" -in "$1" >"$work/verify.log" 2>&1 ||
        fail "the signature of $1 does not verify: $(grep -i -m 3 -e fail -e error "$work/verify.log")"
}
verified "$installer"
signed=0
while IFS= read -r -d '' file; do verified "$file"; signed=$((signed + 1)); done \
    < <(find "$work/stage" -type f \( -name '*.exe' -o -name '*.dll' \) -print0)
[[ $signed -ge 12 ]] || fail "only $signed program files were signed"

step "another program's .man files are kept: Kinmatch is only offered for them"
wine reg add 'HKCU\Software\Classes\.man' /ve /d Troff.Page /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Classes\.man' /v "Content Type" /d text/troff /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Classes\Troff.Page\shell\open\command' /ve /d 'troff.exe "%1"' /f >/dev/null 2>&1

step "the installer installs silently, for this user alone"
find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort >"$work/before"
wine "$installer" /S || fail "the installer failed"
wineserver -w
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kinmatch'
location=$(reg_value "$uninstall" InstallLocation)
[[ -n $location ]] || fail "no entry in Apps and features"
installed=$(realpath "$(winepath -u "$location")")
for file in kinmatch.exe kinmatch-cli.exe kinmatch-pdf.dll Qt6Core.dll platforms/qwindows.dll uninstall.exe \
    uninstall-steps.exe; do
    [[ -f $installed/$file ]] || fail "the installation lacks $file"
done
[[ $installed == "$profile"/* ]] || fail "installed outside the user's profile: $installed"
[[ $(reg_value "$uninstall" DisplayVersion) == "$KINMATCH_VERSION" ]] ||
    fail "Apps and features shows no version $KINMATCH_VERSION"
[[ $(reg_value "$uninstall" URLInfoAbout) == http* ]] || fail "Apps and features shows no site"
menu_entry="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kinmatch.lnk"
[[ -s $menu_entry ]] || fail "no Start menu entry"
[[ $(reg_value 'HKCU\Software\Classes\.man' '(Default)') == Troff.Page ]] ||
    fail "the other program's .man files were taken"
[[ $(reg_value 'HKCU\Software\Classes\.man' 'Content Type') == text/troff ]] ||
    fail "the other program's content type was changed"
wine reg query 'HKCU\Software\Classes\.man\OpenWithProgids' /v Kinmatch.Reading >/dev/null 2>&1 ||
    fail "Kinmatch is not offered for .man files"
grep -q 'kinmatch.exe' <<<"$(reg_value 'HKCU\Software\Classes\Kinmatch.Reading\shell\open\command' '(Default)')" ||
    fail "the association does not open kinmatch.exe"
for file in "$installed/uninstall-steps.exe" "$installed/uninstall.exe" "$installed/kinmatch.exe"; do
    verified "$file"
done

step "the installed files: stripped, with their version, manifest and licence texts"
while IFS= read -r -d '' file; do
    $mingw-objdump -h "$file" | grep -q '\.debug' && fail "$file keeps debugging sections"
done < <(find "$installed" -type f \( -name '*.dll' -o -name '*.exe' \) -print0)
resources() { $mingw-windres -J coff -i "$installed/$1" -O rc 2>/dev/null; }
while read -r file description; do
    grep -q "\"FileDescription\", \"$description\"" <<<"$(resources "$file")" ||
        fail "$file does not describe itself as $description"
    grep -q '"LegalCopyright", "Copyright (C) [0-9]* Quorvane Softwares"' <<<"$(resources "$file")" ||
        fail "$file names no copyright"
    grep -q "\"FileVersion\", \"$KINMATCH_VERSION\"" <<<"$(resources "$file")" ||
        fail "$file has no version $KINMATCH_VERSION"
done <<EOF2
kinmatch.exe Kinmatch
kinmatch-cli.exe Kinmatch command-line tool
kinmatch-pdf.dll Kinmatch PDF module for the command-line tool
uninstall.exe Kinmatch Uninstaller
EOF2
manifest() { # manifest FILE: the application manifest's text inside it
    grep -q 'RT_MANIFEST' <<<"$(resources "$1")" || fail "$1 has no manifest"
    strings -n 8 "$installed/$1" | sed -n '/<assembly/,/<\/assembly>/p'
}
for file in kinmatch.exe kinmatch-cli.exe uninstall.exe; do
    manifest "$file" | grep -q 'requestedExecutionLevel level="asInvoker"' ||
        fail "$file may ask for an administrator"
    manifest "$file" | grep -q '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a' ||
        fail "$file does not name Windows 10 and 11"
done
manifest kinmatch.exe | grep -q '>PerMonitorV2<' || fail "kinmatch.exe is not DPI aware per monitor"
manifest kinmatch-cli.exe | grep -q '<activeCodePage[^>]*>UTF-8<' ||
    fail "kinmatch-cli.exe does not run in UTF-8"
for file in copyright.txt THIRD-PARTY.txt licences/Qt/LGPL-3.0.txt licences/Qt/GPL-3.0.txt \
    licences/gcc-runtime.txt licences/mingw-w64.txt licences/freetype/FTL.TXT licences/pcre2/LICENCE.txt \
    licences/zlib/LICENSE.txt licences/harfbuzz-ng/COPYING.txt licences/libpng/LICENSE.txt \
    licences/libjpeg/LICENSE.txt licences/double-conversion/LICENSE.txt licences/md4c/LICENSE.md; do
    [[ -s $installed/$file ]] || fail "the licence text $file is not installed"
done
python3 - "$installed" <<'PY' || fail "a licence text is not a Windows text file"
import pathlib, sys
root = pathlib.Path(sys.argv[1])
for text in [root / "copyright.txt", root / "THIRD-PARTY.txt", *(root / "licences").rglob("*")]:
    if text.is_file():
        data = text.read_bytes()
        if data.count(b"\n") != data.count(b"\r\n") or b"\r\n" not in data:
            sys.exit(f"{text}: not CR LF throughout")
PY
grep -q "GNU Lesser General Public License, version 3" "$installed/THIRD-PARTY.txt" &&
    grep -q "qt6-base" "$installed/THIRD-PARTY.txt" &&
    grep -q "GCC Runtime Library Exception" "$installed/licences/gcc-runtime.txt" ||
    fail "the notice does not name Qt's licence and source, or the runtime's exception"
grep -q "covers only those files" "$installed/copyright.txt" || fail "our licence claims more than our files"

step "the offscreen suites pass with the installed copy's libraries"
# Wine hides the host's QT_ variables from Windows programs; its own environment carries them.
wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
wine reg add 'HKCU\Environment' /v QT_PLUGIN_PATH /d "$(winepath -w "$qt/plugins")" /f >/dev/null 2>&1
wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(winepath -w /usr/share/fonts/truetype/dejavu)" /f >/dev/null 2>&1
# The installed folder first: the suites run on its Qt and runtime; Qt's test library beside.
WINEPATH="$location;$(winepath -w "$qt/bin")" ctest --test-dir "$build" -L offscreen \
    --output-on-failure --timeout 300 >"$work/suites.log" 2>&1 ||
    { cat "$work/suites.log"; fail "the offscreen suites failed under wine"; }
grep -E "tests passed" "$work/suites.log"
for variable in QT_QPA_PLATFORM QT_PLUGIN_PATH QT_QPA_FONTDIR; do
    wine reg delete 'HKCU\Environment' /v "$variable" /f >/dev/null 2>&1
done
# The suites drive Qt's own file dialog, which keeps its state in Qt's settings (QtProject); the
# program, which shows Windows' own, must leave none there.
wine reg delete 'HKCU\Software\QtProject' /f >/dev/null 2>&1

step "kinmatch-cli.exe answers byte for byte as the Linux tool does"
cli=$installed/kinmatch-cli.exe
python3 - "$work" <<'PY'
import datetime, sys
work = sys.argv[1]
day, last = datetime.date(1900, 1, 1), datetime.date(2016, 12, 31)
with open(f"{work}/dates.txt", "w") as dates:
    while day <= last:
        dates.write(day.isoformat() + "\n")
        day += datetime.timedelta(1)
with open(f"{work}/Grüße Ünïcode.csv", "w", encoding="utf-8") as group:
    group.write("name,date\nZoë Ångström,1955-07-04\nŁukasz Żółć,2000-01-01\n"
                "\"Ñandú, Œuvre\",1976-02-29\nJosé Müller-Lüdenscheidt,2016-12-31\n")
PY
# same_in LOCALE NAME ARGS...: both tools give the same status, bytes on standard output and
# message in the locale. The Windows tool speaks the user's interface language (wine's, from the
# locale), the Linux tool the locale's.
same_in() {
    local locale=$1 name=$2; shift 2
    env -u LANGUAGE LC_ALL="$locale" "$linux_cli" "$@" <"$work/dates.txt" \
        >"$work/$name.linux" 2>"$work/$name.linux-error"; local linux_status=$?
    local windows_status try
    for try in first second; do
        env -u LANGUAGE LC_ALL="$locale" wine "$cli" "$@" <"$work/dates.txt" \
            >"$work/$name.windows" 2>"$work/$name.windows-error"
        windows_status=$?
        # A failure without a line of the tool's own is wine's: the run is tried once more.
        if ((windows_status == 0)) || [[ $try == second ]] ||
            grep -q '^kinmatch-cli' "$work/$name.windows-error"; then
            break
        fi
        echo "note: $name: wine failed (status $windows_status," \
            "'$(cat "$work/$name.windows-error")'); trying once more"
    done
    [[ $linux_status -eq $windows_status ]] ||
        fail "$name: status $windows_status, not $linux_status; Windows said" \
            "'$(cat "$work/$name.windows-error")', Linux '$(cat "$work/$name.linux-error")'"
    cmp -s "$work/$name.linux" "$work/$name.windows" ||
        fail "$name: the output differs: $(cmp "$work/$name.linux" "$work/$name.windows")"
    [[ ! -s $work/$name.linux-error ]] ||
        grep -qxF -f "$work/$name.linux-error" "$work/$name.windows-error" ||
        fail "$name: the message differs: $(cat "$work/$name.windows-error")"
}
same() { same_in C.UTF-8 "$@"; }
group="$work/Grüße Ünïcode.csv"
same dates reading - --csv
[[ $(wc -l <"$work/dates.windows") -eq 42735 ]] || fail "not every date was answered"
same group-csv group "$group" --csv
same group-json group "$group" --json
same group-text group "$group"
same couple couple --name "Zoë Ångström" 1955-07-04 --name "Łukasz Żółć" 2000-01-01
same report report --name "Ñandú Œuvre" 1976-02-29
same explained match 1955-07-04 2000-01-01 --explain
same refused reading 1955-02-30
# In Spanish and Brazilian Portuguese, both say the same words.
for locale in es_ES.UTF-8 pt_BR.UTF-8; do
    same_in "$locale" "reading-$locale" reading 1955-07-04 1990-09-12 --explain
    # Names and paths in ASCII on the command line: wine reads it in the locale's character set,
    # and the Spanish and Portuguese locales may not be installed (other letters are tested above).
    same_in "$locale" "couple-$locale" couple --name Ann 1955-07-04 --name Bob 2000-01-01
    cp "$group" "$work/group.csv"
    same_in "$locale" "group-$locale" group "$work/group.csv"
    same_in "$locale" "refused-$locale" reading 1955-02-30
    same_in "$locale" "help-$locale" --help
    grep -q "Fecha de nacimiento\|Data de nascimento" "$work/reading-$locale.windows" ||
        fail "kinmatch-cli.exe did not speak $locale"
done
# A CSV saved by a Windows program in its code page: é, ü, ñ and ’ as single bytes.
printf 'name,date\r\nJos\xe9 M\xfcller,1955-07-04\r\nNi\xf1a O\x92Hara,2000-01-01\r\n' >"$work/windows-1252.csv"
same group-1252 group "$work/windows-1252.csv" --csv
grep -q "José Müller" "$work/group-1252.windows" && grep -q "Niña O’Hara" "$work/group-1252.windows" ||
    fail "the Windows-1252 names were not read: $(head -c 200 "$work/group-1252.windows")"
"$linux_cli" save "$work/zoe-linux.man" --name "Zoë Ångström" 1955-07-04 || fail "save (Linux)"
wine "$cli" save "$work/zoe-windows.man" --name "Zoë Ångström" 1955-07-04 || fail "save (Windows)"
cmp -s "$work/zoe-linux.man" "$work/zoe-windows.man" || fail "the reading files differ"
wine "$cli" couple --name Ann 1955-07-04 --name Bob 2000-01-01 --pdf "$work/couple.pdf" ||
    fail "kinmatch-cli.exe wrote no PDF"
[[ $(head -c 4 "$work/couple.pdf") == %PDF ]] || fail "the PDF is no PDF"

step "a kinmatch-pdf.dll planted beside the installation or in the working folder is never loaded"
# It leaves a mark where it is loaded; the real module is loaded by its full path.
cat >"$work/planted.c" <<'C'
#include <windows.h>
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance; (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        CloseHandle(CreateFileA(MARK, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    return TRUE;
}
C
mark=$(winepath -w "$work/planted-was-loaded")
$mingw-gcc-posix -shared -o "$work/kinmatch-pdf.dll" "$work/planted.c" "-DMARK=\"${mark//\\/\\\\}\"" ||
    fail "the planted module was not built"
beside=$(dirname "$installed")
cp "$work/kinmatch-pdf.dll" "$beside/kinmatch-pdf.dll"
(cd "$beside" && wine "$cli" couple --name Ann 1955-07-04 --name Bob 2000-01-01 --pdf "$work/planted.pdf") ||
    fail "kinmatch-cli.exe wrote no PDF beside the planted module"
rm -f "$beside/kinmatch-pdf.dll"
[[ -e $work/planted-was-loaded ]] && fail "the planted kinmatch-pdf.dll was loaded"
[[ $(head -c 4 "$work/planted.pdf") == %PDF ]] || fail "the PDF beside the planted module is no PDF"

step "kinmatch.exe: a reading typed by keyboard, saved as the Linux tool saves it"
documents=$profile/Documents
wine "$installed/kinmatch.exe" >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
main=$(window "$title" 480) || fail "no main window"
sleep 1
generate_reading "$main"
result=$(window "$title" 656) || fail "no result window"
save_report() { # save_report RESULT-WINDOW WINDOWS-PATH: the report's Save, to that file
    keys "$1" space
    local report
    report=$(window "$title" 515) || fail "no report window"
    keys "$report" alt+s
    local dialog
    dialog=$(window '^Kinmatch$') || fail "Save opened no dialog"
    sleep 0.5
    xdotool type --delay 20 "$2"
    xdotool key Return
    gone "$dialog" || fail "the save dialog stayed open"
    keys "$report" alt+F4
    gone "$report" || fail "the report stayed open"
}
# partner_then_save MESSAGE-BOX FILE: past the message of a reading that holds the user alone,
# the partner's name and Generate; the result's report saved as FILE in the user's Documents.
partner_then_save() {
    keys "$1" Return
    sleep 0.5
    xdotool type --delay 40 "Bob"
    xdotool key alt+g
    local result
    result=$(window "$title" 656) || fail "the opened reading gave no result"
    save_report "$result" 'C:\users\'"$(basename "$profile")"'\Documents\'"$2"
}
# The save dialog is Windows' own, and opens in the user's Documents: a bare name lands there.
save_report "$result" 'ann.man'
[[ -s $documents/ann.man ]] || fail "no reading file was saved in Documents"
"$linux_cli" save "$work/ann-linux.man" --name Ann 1900-01-01 || fail "save (Linux)"
cmp -s "$documents/ann.man" "$work/ann-linux.man" ||
    fail "the saved reading differs from the Linux program's: $(od -c "$documents/ann.man" | head -3)"
[[ -n $(wine reg query 'HKCU\Software\kinmatch\kinmatch\Settings' 2>/dev/null | grep REG_SZ) ]] ||
    fail "the update reminder's value is not in the registry"

step "a link hands its address to the browser; a second copy is refused"
keys "$result" alt+h o
for _ in $(seq 200); do [[ -s $work/opened ]] && break; sleep 0.05; done
grep -q "kinmatch-help.html" "$work/opened" 2>/dev/null ||
    fail "the browser got '$(cat "$work/opened" 2>/dev/null)'"
wine "$installed/kinmatch.exe" >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
box=$(window '^Kinmatch$') || fail "the second copy showed no message"
[[ $(xdotool search --onlyvisible --name "$title" | wc -l) -eq 1 ]] ||
    fail "the second copy showed a window of its own"
keys "$box" Return
ended "$second" || fail "the second copy did not end"

step "leaving through the support window ends with status 0"
leave_through_support "$result" "$first"

step "a reading file opens Kinmatch through its association"
# The association's own command: Windows merges the user's file types into those of the system,
# wine's "start" sees only the system's.
command=$(reg_value 'HKCU\Software\Classes\Kinmatch.Reading\shell\open\command' '(Default)')
program=$(sed -n 's/^"\([^"]*\)" "%1"$/\1/p' <<<"$command")
[[ -n $program ]] || fail "the association's command is '$command'"
wine "$program" "$(winepath -w "$documents/ann.man")" >"$work/opened.log" 2>&1 &
reopened=$!
pids+=($reopened)
box=$(window '^Kinmatch$') || fail "opening the reading file showed no message"
partner_then_save "$box" again.man
cmp -s "$documents/ann.man" "$documents/again.man" || fail "the reopened reading is another"

step "a reading opened while Kinmatch runs goes to the running copy, which comes to the front"
"$linux_cli" save "$work/zoe.man" --name Zoë 1976-02-29 || fail "save (Linux)"
wine "$program" "$(winepath -w "$work/zoe.man")" >"$work/handed.log" 2>&1 &
handed=$!
pids+=($handed)
ended "$handed" || fail "the copy that handed the reading on did not end"
[[ $status -eq 0 ]] || fail "the copy that handed the reading on ended with status $status"
# The file holds the user's reading alone: the running copy, back in its main window, asks for
# the partner's name.
box=$(window '^Kinmatch$') || fail "the running copy did not open the handed reading"
[[ $(xdotool search --onlyvisible --name "$title" | wc -l) -eq 1 ]] ||
    fail "the running copy shows more than its main window"
[[ $(xdotool getactivewindow 2>/dev/null) == "$box" ]] || fail "the running copy is not in front"
partner_then_save "$box" zoe.man
cmp -s "$work/zoe.man" "$documents/zoe.man" || fail "the running copy opened another reading"

# installed_state: the installation's files with their checksums, and its registry entries.
installed_state() {
    (cd "$installed" && find . -type f -print0 | sort -z | xargs -0 md5sum)
    wine reg query "$uninstall" 2>/dev/null | tr -d '\r' | sort
    wine reg query 'HKCU\Software\Classes\.man' /s 2>/dev/null | tr -d '\r' | sort
}
# Kinmatch running, but stopped: it cannot answer being asked to close.
kill -STOP "$reopened"
installed_state >"$work/state-before"
for tool in "$installed/uninstall.exe" "$installer"; do
    step "$(basename "$tool") /S with a Kinmatch that cannot be closed: status 2, nothing changed"
    wine "$tool" /S
    status=$?
    [[ $status -eq 2 ]] || fail "$(basename "$tool") /S ended with status $status"
    installed_state >"$work/state-after"
    diff "$work/state-before" "$work/state-after" >"$work/state.diff" ||
        fail "$(basename "$tool") changed the installation: $(head -c 600 "$work/state.diff")"
done
kill -CONT "$reopened"

step "an upgrade over the running Kinmatch closes it and installs every file whole"
wine "$installer" /S || fail "the upgrade failed"
ended "$reopened" || fail "the upgrade left Kinmatch running"
[[ $status -eq 0 ]] || fail "Kinmatch, closed by the upgrade, ended with status $status"
(cd "$work/stage" && find . -type f -print0 | sort -z | xargs -0 md5sum) >"$work/staged.md5"
(cd "$installed" && md5sum -c --quiet "$work/staged.md5") >"$work/mixed.log" 2>&1 ||
    fail "the upgrade left files of another build: $(head -c 600 "$work/mixed.log")"
wineserver -w

# nsis_window: the newest visible window of the NSIS uninstaller (wine names a window's class
# after its program file), waiting up to window_wait seconds; not its first one when given.
nsis_window() {
    local id
    for _ in $(seq $((window_wait * 20))); do
        id=$(xdotool search --onlyvisible --classname '^uninstall-steps\.exe$' 2>/dev/null | grep -vx "${1:-none}" | tail -n 1)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}
no_uninstaller_leftovers() { # nothing of a finished uninstallation in the user's Temp folder
    local temporary=$profile/AppData/Local/Temp
    [[ -d $temporary ]] || temporary=$profile/Temp
    for _ in $(seq 200); do
        [[ -z $(find "$temporary" -maxdepth 1 \( -name '~nsu*' -o -name 'kinmatch-uninstall-*' \)) ]] &&
            return 0
        sleep 0.1
    done
    fail "the uninstaller left in Temp: $(find "$temporary" -maxdepth 1 \( -name '~nsu*' -o -name 'kinmatch-uninstall-*' \))"
}

step "the uninstaller asks to close the running Kinmatch, and closes it once the user agrees"
wine "$installed/kinmatch.exe" >"$work/running.log" 2>&1 &
running=$!
pids+=($running)
main=$(window "$title" 480) || fail "no main window"
wine "$installed/uninstall.exe" >"$work/uninstall.log" 2>&1 &
uninstaller=$!
pids+=($uninstaller)
page=$(nsis_window) || fail "the uninstaller showed no page"
keys "$page" Return
question=$(nsis_window "$page") || fail "the uninstaller did not ask to close Kinmatch"
viewable "$main" || fail "Kinmatch was closed before the user agreed"
keys "$question" Return
ended "$running" || fail "the uninstaller did not close Kinmatch"
[[ $status -eq 0 ]] || fail "Kinmatch, closed by the uninstaller, ended with status $status"
sleep 2
keys "$page" Return
ended "$uninstaller" || fail "the uninstaller did not finish"
[[ $status -eq 0 ]] || fail "the uninstaller ended with status $status"
[[ -e $installed ]] && fail "the installation folder is left: $(find "$installed" | head)"
no_uninstaller_leftovers
[[ $(reg_value 'HKCU\Software\Classes\.man' '(Default)') == Troff.Page &&
    $(reg_value 'HKCU\Software\Classes\.man' 'Content Type') == text/troff ]] ||
    fail "the other program's .man files were not left as they were"
wine reg query 'HKCU\Software\Classes\Troff.Page' >/dev/null 2>&1 || fail "the other program's file type is gone"
for key in 'HKCU\Software\Classes\.man\OpenWithProgids' 'HKCU\Software\Classes\Kinmatch.Reading'; do
    wine reg query "$key" >/dev/null 2>&1 && fail "the registry keeps $key"
done

step "where no program has .man files Kinmatch takes them; the silent uninstaller gives them back"
wine reg delete 'HKCU\Software\Classes\.man' /f >/dev/null 2>&1
wine reg delete 'HKCU\Software\Classes\Troff.Page' /f >/dev/null 2>&1
wine "$installer" /S || fail "the installer failed"
wineserver -w
[[ $(reg_value 'HKCU\Software\Classes\.man' '(Default)') == Kinmatch.Reading &&
    $(reg_value 'HKCU\Software\Classes\.man' 'Content Type') == application/x-kinmatch-reading ]] ||
    fail "reading files are not associated with Kinmatch"
wine "$installed/kinmatch.exe" >"$work/last.log" 2>&1 &
last=$!
pids+=($last)
window "$title" 480 >/dev/null || fail "no main window"

step "the silent uninstaller closes the running Kinmatch and leaves nothing but the user's own files"
wine "$installed/uninstall.exe" /S || fail "the uninstaller failed"
ended "$last" || fail "the silent uninstaller left Kinmatch running"
[[ $status -eq 0 ]] || fail "Kinmatch, closed by the uninstaller, ended with status $status"
# It returns once it is done: nothing is waited for here.
[[ -e $installed ]] && fail "the installation folder is left: $(find "$installed" | head)"
[[ -e $menu_entry ]] && fail "the Start menu entry is left"
# The file dialogs kept their folder in the program's own settings, none in Qt's (QtProject).
for key in "$uninstall" 'HKCU\Software\Classes\.man' 'HKCU\Software\Classes\Kinmatch.Reading' \
    'HKCU\Software\kinmatch' 'HKCU\Software\QtProject'; do
    wine reg query "$key" >/dev/null 2>&1 && fail "the registry keeps $key"
done
no_uninstaller_leftovers
[[ -s $documents/ann.man && -s $documents/again.man ]] || fail "the user's reading files are gone"
wineserver -w
find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort >"$work/after"
left=$(comm -13 "$work/before" "$work/after" | grep -v -e '/Documents/ann.man$' -e '/Documents/again.man$' \
    -e '/Documents/zoe.man$')
[[ -z $left ]] || fail "left behind: $left"
echo "1 passed, 0 failed"
