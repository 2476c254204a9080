#!/usr/bin/env bash
# The setup program as users and administrators run it, in a sandbox of its own: the
# wizard clicked through on the sandbox's display, a silent install of an older build
# into a chosen folder, a silent upgrade over it while the program runs, and silent
# uninstalls after which drive C: and the registry are as they were before.
#   installer-test.sh BUILD SETUP.exe
set -u
build=$(cd "$1" && pwd)
setup=$2
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tools=$root/tools
# Keys are typed only on the sandbox's own display, never on a desktop someone works at.
unset DISPLAY
export HUSHMARK_SANDBOX=$build/sandbox/installer
work=$build/installer-test
prefix=$HUSHMARK_SANDBOX/prefix
drive=$prefix/drive_c
version=$(cat "$root/VERSION")
passed=0 failed=0

check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what" >&2
    fi
}
same() { [ "$1" = "$2" ] || { echo "  expected [$2], got [$1]" >&2; return 1; }; }
contains() { grep -qF -- "$2" "$1" || { echo "  $1 lacks [$2]" >&2; return 1; }; }
lacks() { ! grep -qF -- "$2" "$1" || { echo "  $1 has [$2]" >&2; return 1; }; }
finish() {
    "$tools/stop-sandbox" "$HUSHMARK_SANDBOX"
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

# Waits until every process of the sandbox has ended and Wine has written the registry
# out: the uninstaller hands its work to a copy of itself and returns at once. A program
# that never ends fails the test instead of hanging it.
settle() {
    (SANDBOX=$(cd "$HUSHMARK_SANDBOX" && pwd -P); . "$tools/sandbox-lib.sh"; sandbox_env
     timeout 300 wineserver -w || { echo "  a program of the sandbox did not end" >&2; wineserver -k; exit 1; })
}

# The registry as one line per key and per value (continued hex values joined), without
# Wine's modification times.
registry_lines() {
    awk '
        /^\[/ { key = $0; sub(/\] [0-9]+$/, "]", key); print key; next }
        /^#/ || /^;/ || /^WINE REGISTRY/ || /^$/ { next }
        { line = $0
          while (line ~ /,\\$/ && (getline more) > 0) { sub(/\\$/, "", line); sub(/^ +/, "", more); line = line more }
          print key " " line }' "$@"
}

# A key's values as NAME=DATA lines, from the machine's or the user's hive.
key_values() {
    local hive=$1 key=$2
    registry_lines "$prefix/$hive.reg" | awk -v k="[$key]" 'index($0, k " ") == 1 { print substr($0, length(k) + 2) }'
}
uninstall_key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Hushmark'
run_key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Run'

# Everything of drive C: and the registry, less the test's own folder and what Wine
# changes by itself as programs come and go.
snapshot() {
    settle
    (cd "$drive" && find . -path ./hushmark -prune -o -mindepth 1 -printf '%y %P\n' | sort) > "$work/$1.files"
    registry_lines "$prefix/system.reg" "$prefix/user.reg" "$prefix/userdef.reg" |
        grep -v -e '^\[Software\\\\Wine\\\\' -e '^\[System\\\\CurrentControlSet\\\\Control\\\\Session Manager\\\\Environment\]' \
            -e '^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\' \
            -e '^\[Software\\\\Microsoft\\\\Windows\\\\ShellNoRoam\\\\' \
            -e '^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Shell Extensions\\\\Cached\]' \
            -e '^\[System\\\\CurrentControlSet\\\\Control\\\\Class\\\\' -e '^\[System\\\\CurrentControlSet\\\\Enum\\\\' |
        sort > "$work/$1.reg"
}
# Drive C: and the registry as they were, or what differs.
unchanged_since() {
    local ok=0
    if ! diff "$work/$1.files" "$work/$2.files" >"$work/$2.files.diff"; then
        # Wine makes the shared profile folders when a program first asks for them.
        if grep '^[<>]' "$work/$2.files.diff" | grep -v -e '^> d users/Public/' -e '^> d users/[^/]*/Temp$' \
            -e '^> d users/[^/]*/Start Menu' -e '^> d users/[^/]*/Desktop$' -e '^> d windows/' -e '^> f windows/' \
            -e '^> d ProgramData' -e '^> f ProgramData/' -e '^> d users/[^/]*/AppData' |
            grep . >&2; then ok=1; fi
    fi
    if ! diff "$work/$1.reg" "$work/$2.reg" >"$work/$2.reg.diff"; then
        if grep '^[<>]' "$work/$2.reg.diff" | grep -v -e '^> \[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\]$' |
            grep . >&2; then ok=1; fi
    fi
    return $ok
}

run_setup() { "$tools/wine-run" "$@" >"$work/setup.out" 2>&1; }

# Uninstalls silently, then lets Wine restart as Windows would, so that the files the
# uninstaller could remove only at a restart (its own copy) are gone; then a snapshot.
uninstall() {
    run_setup "$1" /S
    settle
    "$tools/wine-run" 'C:\windows\system32\wineboot.exe' -r >/dev/null 2>&1
    snapshot "$2"
}

# --- A sandbox of its own, with the two setup programs in the test's folder ------------
case "$HUSHMARK_SANDBOX" in "$build"/sandbox/*) ;; *) echo "refusing sandbox $HUSHMARK_SANDBOX" >&2; exit 1 ;; esac
"$tools/stop-sandbox" "$HUSHMARK_SANDBOX"
rm -rf -- "$HUSHMARK_SANDBOX" "$work"
mkdir -p "$work" "$build/screenshots"
"$tools/make-sandbox" "$HUSHMARK_SANDBOX" >/dev/null || { echo "could not make the sandbox" >&2; exit 1; }

# The older build: the same programs, texts that differ and another version number.
cp -a "$build/Hushmark" "$work/old-tree"
rm -f "$work/old-tree/options.ini"
sed -i 's/^Title=/Title=Old /' "$work/old-tree/info.ini"
"$root/installer/build-setup" 1.0.0 "$work/old-tree" "$build/bin/hm-merge-flags.exe" "$work/old-setup" \
    "$work/Hushmark-1.0.0-setup.exe" >"$work/old-setup.log" 2>&1 || { cat "$work/old-setup.log" >&2; exit 1; }
mkdir -p "$drive/hushmark/setup"
cp "$setup" "$drive/hushmark/setup/new-setup.exe"
cp "$work/Hushmark-1.0.0-setup.exe" "$drive/hushmark/setup/old-setup.exe"

# A folder the administrator chose, with a file of the user's in it, and a start-up
# entry of another program: all three must outlive the uninstaller.
mkdir -p "$drive/Apps/Hush Mark"
echo "my notes" > "$drive/Apps/Hush Mark/notes.txt"
"$tools/wine-run" 'C:\windows\system32\reg.exe' add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' \
    /v Other /d 'C:\Other\other.exe' /f >/dev/null 2>&1
snapshot before

# --- The wizard, clicked through on the sandbox's display -----------------------------
. "$here/wizard.sh"
run_wizard 'C:\hushmark\setup\new-setup.exe'
installed="$drive/Program Files/Hushmark"
check "the wizard installs into Program Files" test -f "$installed/Hushmark.exe"
check "the wizard makes the desktop shortcut" test -f "$drive/users/Public/Desktop/Hushmark.lnk"
check "the wizard ends with 0" same "$wizard_ended" 0
check "the finish page starts Hushmark" same "$wizard_started" yes
# The uninstaller closes the program the finish page started.
uninstall 'C:\Program Files\Hushmark\Uninstall.exe' after-wizard
check "uninstalling what the wizard installed leaves nothing" unchanged_since before after-wizard

# --- A silent install of the older build into the chosen folder -----------------------
folder="$drive/Apps/Hush Mark"
# Two words, so that Wine passes them unquoted: the setup takes the rest of its command
# line after /D= as the folder, blanks and all, as cmd.exe hands it over.
run_setup 'C:\hushmark\setup\old-setup.exe' /S /NODESKTOP '/D=C:\Apps\Hush' 'Mark'
check "the old setup ends with 0" same "$?" 0
settle
check "/D= picks the folder" test -f "$folder/Hushmark.exe"
check "/NODESKTOP makes no desktop shortcut" test ! -e "$drive/users/Public/Desktop/Hushmark.lnk"
key_values system "$uninstall_key" > "$work/old-entry"
check "the uninstall entry names the old version" contains "$work/old-entry" '"DisplayVersion"="1.0.0"'

# The user's marks and options: a solved mark, a scheduled check, a rule tick, start-up
# with Windows and no panic question.
sed -i 's/^\[TTempFolder\]\r\?$/&\r\nSolved=1\r/; s/^\[TCookies\]\r\?$/&\r\nScheduleSolve=1\r/' "$folder/info.ini"
printf '\r\n[Rule:Test Program Cache *]\r\nTicked=1\r\n' >> "$folder/info.ini"
printf '[options]\r\nAutorun=1\r\nAskPanic=0\r\n' > "$folder/options.ini"

# --- A silent upgrade while the old program runs ---------------------------------------
"$tools/wine-run" 'C:\Apps\Hush Mark\Hushmark.exe' >"$work/running.out" 2>&1 &
running=$!
display=
for _ in $(seq 240); do
    display=$(cat "$HUSHMARK_SANDBOX/display" 2>/dev/null)
    [ -n "$display" ] && DISPLAY=$display xdotool search --name '^Hushmark$' >/dev/null 2>&1 && break
    sleep 0.25
done
run_setup 'C:\hushmark\setup\new-setup.exe' /S
check "the upgrade ends with 0" same "$?" 0
wait "$running"
check "the running program was closed, and ended well" same "$?" 0
settle
key_values system "$uninstall_key" > "$work/entry"
key_values user "$run_key" > "$work/run-values"
check "the closed program had written its start-up entry" contains "$work/run-values" '"Hushmark"="C:\\Apps\\Hush Mark\\Hushmark.exe"'
check "the upgrade stays in the folder of the old install" test -z "$(ls "$drive/Program Files/Hushmark" 2>/dev/null)"
check "info.ini has the new texts" contains "$folder/info.ini" 'Title=Windows temporary files'
check "info.ini lost the old texts" lacks "$folder/info.ini" 'Title=Old '
check "the marks are kept" same "$(awk '/^\[TTempFolder\]/{s=1;next} /^\[/{s=0} s&&/^Solved=/' "$folder/info.ini" | tr -d '\r')" Solved=1
check "the scheduled ticks are kept" same "$(awk '/^\[TCookies\]/{s=1;next} /^\[/{s=0} s&&/^ScheduleSolve=/' "$folder/info.ini" | tr -d '\r')" ScheduleSolve=1
check "the rule ticks are kept" same "$(awk '/^\[Rule:Test Program Cache \*\]/{s=1;next} /^\[/{s=0} s&&/^Ticked=/' "$folder/info.ini" | tr -d '\r')" Ticked=1
check "the options are kept" contains "$folder/options.ini" 'AskPanic=0'
check "no copy of the old info.ini is left" test ! -e "$folder/info-old.ini"
check "the user's file stays" contains "$folder/notes.txt" "my notes"
check "every file of the tree is installed" diff <(cd "$build/Hushmark" && find . -type f ! -name options.ini | sort) \
    <(cd "$folder" && find . -type f ! -name options.ini ! -name notes.txt ! -name Uninstall.exe | sort)

# The installed console program works on the installed files.
"$tools/wine-run" 'C:\Apps\Hush Mark\hushmark-cli.exe' list >"$work/list.out" 2>"$work/list.err"
check "the installed hushmark-cli list ends with 0" same "$?" 0
sed -i 's/\r$//' "$work/list.out"
# The catalogue's issues and the rules shipped in rules\.
shipped=$(( $(grep -c '^\[T' "$build/Hushmark/info.ini") + $(cat "$build"/Hushmark/rules/*.ini | grep -c '^\[') ))
check "it lists every issue and rule" same "$(grep -c '  icon ' "$work/list.out")" "$shipped"
check "it shows the new texts" contains "$work/list.out" 'TTempFolder  Windows temporary files'
check "it shows the kept scheduled tick" grep -q 'TCookies  .*scheduled$' "$work/list.out"

# The uninstall entry and the shortcuts.
for value in '"DisplayName"="Hushmark"' "\"DisplayVersion\"=\"$version\"" '"Publisher"="Hushmark"' \
    '"DisplayIcon"="C:\\Apps\\Hush Mark\\Hushmark.exe,0"' '"InstallLocation"="C:\\Apps\\Hush Mark"' \
    '"UninstallString"="\"C:\\Apps\\Hush Mark\\Uninstall.exe\""' \
    '"QuietUninstallString"="\"C:\\Apps\\Hush Mark\\Uninstall.exe\" /S"' \
    '"NoModify"=dword:00000001' '"NoRepair"=dword:00000001'; do
    check "uninstall entry $value" contains "$work/entry" "$value"
done
size=$(sed -n 's/^"EstimatedSize"=dword:\([0-9a-f]*\)$/\1/p' "$work/entry")
tree_kb=$(du -sk "$folder" | cut -f1)
check "EstimatedSize is the folder's size in KB" test -n "$size" -a $((16#${size:-0})) -gt $((tree_kb / 2)) -a $((16#${size:-0})) -lt $((tree_kb * 2))
menu=$(find "$drive" -type d -path '*/Start Menu/Programs/Hushmark' | head -n 1)
check "the Start menu group is there" test -n "$menu"
check "the Start menu group holds the three shortcuts" same "$(ls "$menu" 2>/dev/null | tr '\n' '|')" 'Hushmark help.lnk|Hushmark.lnk|Uninstall Hushmark.lnk|'
check "the program shortcut points at the program" grep -aqF 'C:\Apps\Hush Mark\Hushmark.exe' "$menu/Hushmark.lnk"
check "the help shortcut points at the help file" grep -aqF 'C:\Apps\Hush Mark\Help\Help.chm' "$menu/Hushmark help.lnk"
check "the uninstall shortcut points at the uninstaller" grep -aqF 'C:\Apps\Hush Mark\Uninstall.exe' "$menu/Uninstall Hushmark.lnk"
check "the upgrade makes the desktop shortcut" test -f "$drive/users/Public/Desktop/Hushmark.lnk"

# --- The silent uninstall, as the uninstall entry says -----------------------------------
quiet=$(sed -n 's/^"QuietUninstallString"="\\"\(.*\)\\" \/S"$/\1/p' "$work/entry" | sed 's/\\\\/\\/g')
check "the quiet uninstall command is readable" same "$quiet" 'C:\Apps\Hush Mark\Uninstall.exe'
uninstall "$quiet" after-upgrade
key_values user "$run_key" > "$work/run-values"
check "the program's start-up entry is gone" lacks "$work/run-values" '"Hushmark"='
check "another program's start-up entry stays" contains "$work/run-values" '"Other"="C:\\Other\\other.exe"'
check "the chosen folder keeps only the user's file" same "$(ls -A "$folder" 2>/dev/null)" notes.txt
check "uninstalling the upgrade leaves nothing" unchanged_since before after-upgrade

# --- /KEEPSETTINGS: a silent uninstall that keeps the user's settings for a later install --
run_setup 'C:\hushmark\setup\new-setup.exe' /S /NODESKTOP
check "a second silent install ends with 0" same "$?" 0
settle
kept="$drive/Program Files/Hushmark"
printf '[options]\r\nAskPanic=0\r\n' > "$kept/options.ini"
run_setup 'C:\Program Files\Hushmark\Uninstall.exe' /S /KEEPSETTINGS
settle
check "/KEEPSETTINGS removes the program" test ! -e "$kept/Hushmark.exe"
check "/KEEPSETTINGS keeps options.ini" contains "$kept/options.ini" 'AskPanic=0'
check "/KEEPSETTINGS keeps info.ini" test -f "$kept/info.ini"

finish
