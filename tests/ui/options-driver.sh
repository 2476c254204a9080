#!/usr/bin/env bash
# Runs the options window's driver in the run's sandbox. The driver cannot start host
# programs, so it asks for keys through files: request-N.txt holds an xdotool command
# line, typed here on the sandbox's display; done-N.txt holds its exit code.
set -u
build=$1
# Keys are typed only on the sandbox's own display, never on a desktop someone works at.
unset DISPLAY
here=$(cd "$(dirname "$0")" && pwd)
. "$here/screenshots.sh"
keys="$HUSHMARK_SANDBOX/prefix/drive_c/hushmark/keys"
mkdir -p "$keys"
rm -f "$keys"/request-* "$keys"/done-*

serve_keys() {
    while :; do
        for request in "$keys"/request-*.txt; do
            [ -f "$request" ] || continue
            n=${request##*/request-}
            n=${n%.txt}
            read -r -a words < <(tr -d '\r' < "$request"; echo)
            rm -f -- "$request"
            rc=2
            # Only xdotool's own words and key names, never anything a shell would read.
            if [ ${#words[@]} -gt 0 ] && ! printf '%s\n' "${words[@]}" | grep -qv '^[A-Za-z0-9_.+-]*$'; then
                display=$(cat "$HUSHMARK_SANDBOX/display" 2>/dev/null)
                pid=$(cat "$HUSHMARK_SANDBOX/xvfb.pid" 2>/dev/null)
                if [ -n "$display" ] && [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
                    DISPLAY=$display xdotool "${words[@]}" >/dev/null 2>&1
                    rc=$?
                fi
            fi
            echo "$rc" > "$keys/done-$n.tmp"
            mv -f -- "$keys/done-$n.tmp" "$keys/done-$n.txt"
        done
        sleep 0.02
    done
}

serve_keys &
server=$!
"$here/../../tools/wine-run" "$build/bin/OptionsWindowTest.exe"
rc=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
keep_screenshots "$build" 'options-*'
exit $rc
