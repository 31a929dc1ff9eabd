#!/usr/bin/env bash
# Kinmatch for Windows as a Windows user meets it, under wine on a private X display with a
# window manager: the installer run silently, the offscreen suites against the installed copy,
# kinmatch-cli.exe against the Linux tool byte for byte, the real kinmatch.exe driven by keys,
# the file association, and the uninstaller leaving nothing but the user's own files.
#   wine.sh WINDOWS_BUILD QT_FOR_WINDOWS LINUX_KINMATCH_CLI
# Skips (exit 77) where wine, Xvfb, xdotool or openbox is missing. Everything happens in a
# folder and a wine prefix of its own; it stops only what it started.
set -u
build=$(cd "$1" && pwd)
qt=$2
linux_cli=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for tool in wine wineserver winepath Xvfb xdotool xprop xmessage openbox python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
source "$here/../whole/display.sh"

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

step "the installer installs silently, for this user alone"
find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort >"$work/before"
touch "$work/installing"
wine "$build/kinmatch-1.10-setup.exe" /S || fail "the installer failed"
wineserver -w
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kinmatch'
location=$(reg_value "$uninstall" InstallLocation)
[[ -n $location ]] || fail "no entry in Apps and features"
installed=$(realpath "$(winepath -u "$location")")
for file in kinmatch.exe kinmatch-cli.exe kinmatch-pdf.dll Qt6Core.dll platforms/qwindows.dll uninstall.exe; do
    [[ -f $installed/$file ]] || fail "the installation lacks $file"
done
[[ $installed == "$profile"/* ]] || fail "installed outside the user's profile: $installed"
[[ $(reg_value "$uninstall" DisplayVersion) == 1.10 ]] || fail "Apps and features shows no version 1.10"
[[ $(reg_value "$uninstall" URLInfoAbout) == http* ]] || fail "Apps and features shows no site"
menu_entry="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kinmatch.lnk"
[[ -s $menu_entry ]] || fail "no Start menu entry"
[[ $(reg_value 'HKCU\Software\Classes\.man' '(Default)') == Kinmatch.Reading ]] ||
    fail "reading files are not associated with Kinmatch"
grep -q 'kinmatch.exe' <<<"$(reg_value 'HKCU\Software\Classes\Kinmatch.Reading\shell\open\command' '(Default)')" ||
    fail "the association does not open kinmatch.exe"

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
same() { # same NAME ARGS...: both tools give the same status and bytes on standard output
    local name=$1; shift
    "$linux_cli" "$@" <"$work/dates.txt" >"$work/$name.linux" 2>/dev/null; local linux_status=$?
    wine "$cli" "$@" <"$work/dates.txt" >"$work/$name.windows" 2>/dev/null; local windows_status=$?
    [[ $linux_status -eq $windows_status ]] || fail "$name: status $windows_status, not $linux_status"
    cmp -s "$work/$name.linux" "$work/$name.windows" ||
        fail "$name: the output differs: $(cmp "$work/$name.linux" "$work/$name.windows")"
}
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
"$linux_cli" save "$work/zoe-linux.man" --name "Zoë Ångström" 1955-07-04 || fail "save (Linux)"
wine "$cli" save "$work/zoe-windows.man" --name "Zoë Ångström" 1955-07-04 || fail "save (Windows)"
cmp -s "$work/zoe-linux.man" "$work/zoe-windows.man" || fail "the reading files differ"
wine "$cli" couple --name Ann 1955-07-04 --name Bob 2000-01-01 --pdf "$work/couple.pdf" ||
    fail "kinmatch-cli.exe wrote no PDF"
[[ $(head -c 4 "$work/couple.pdf") == %PDF ]] || fail "the PDF is no PDF"

step "kinmatch.exe: a reading typed by keyboard, saved as the Linux tool saves it"
documents=$profile/Documents
wine "$installed/kinmatch.exe" >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
main=$(window '^Kinmatch v1\.10$' 480) || fail "no main window (Kinmatch v1.10)"
sleep 1
generate_reading "$main"
result=$(window '^Kinmatch v1\.10$' 656) || fail "no result window"
save_report() { # save_report RESULT-WINDOW WINDOWS-PATH: the report's Save, to that file
    keys "$1" space
    local report
    report=$(window '^Kinmatch v1\.10$' 515) || fail "no report window"
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
save_report "$result" 'C:\users\'"$(basename "$profile")"'\Documents\ann.man'
[[ -s $documents/ann.man ]] || fail "no reading file was saved"
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
[[ $(xdotool search --onlyvisible --name '^Kinmatch v1\.10$' | wc -l) -eq 1 ]] ||
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
keys "$box" Return
sleep 0.5
xdotool type --delay 40 "Bob"
xdotool key alt+g
result=$(window '^Kinmatch v1\.10$' 656) || fail "the opened reading gave no result"
save_report "$result" 'C:\users\'"$(basename "$profile")"'\Documents\again.man'
cmp -s "$documents/ann.man" "$documents/again.man" || fail "the reopened reading is another"
leave_through_support "$result" "$reopened"
wineserver -w

step "the silent uninstaller leaves nothing but the user's own files"
wine "$installed/uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
for _ in $(seq 100); do [[ -e $installed ]] || break; sleep 0.1; done
[[ -e $installed ]] && fail "the installation folder is left: $(find "$installed" | head)"
[[ -e $menu_entry ]] && fail "the Start menu entry is left"
for key in "$uninstall" 'HKCU\Software\Classes\.man' 'HKCU\Software\Classes\Kinmatch.Reading' \
    'HKCU\Software\kinmatch'; do
    wine reg query "$key" >/dev/null 2>&1 && fail "the registry keeps $key"
done
[[ -s $documents/ann.man && -s $documents/again.man ]] || fail "the user's reading files are gone"
find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort >"$work/after"
left=$(comm -13 "$work/before" "$work/after" | grep -v -e '/Documents/ann.man$' -e '/Documents/again.man$')
[[ -z $left ]] || fail "left behind: $left"
echo "1 passed, 0 failed"
