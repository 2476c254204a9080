#!/usr/bin/env bash
# The verifier refuses a prefix with another drive or a link out, and accepts a sound one.
set -u
tools=${1:?tools folder}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
check() {  # check EXPECTED-RC DESCRIPTION
    local expected=$1 what=$2 rc
    HOME="$scratch/sbx/home" XDG_DATA_HOME="$scratch/sbx/xdg/data" "$tools/verify-sandbox" "$scratch/sbx" 2>/dev/null
    rc=$?
    if [ "$rc" -eq "$expected" ]; then echo "ok: $what"; else echo "FAIL: $what (rc $rc)"; failures=$((failures + 1)); fi
}
sound() {
    rm -rf "$scratch/sbx" "$scratch/outside"
    mkdir -p "$scratch/sbx/prefix/drive_c/users/u/Temp" "$scratch/sbx/prefix/dosdevices" "$scratch/sbx/home" \
             "$scratch/outside"
    ln -s ../drive_c "$scratch/sbx/prefix/dosdevices/c:"
    ln -s /dev/ttyS0 "$scratch/sbx/prefix/dosdevices/com1"
    ln -s Temp "$scratch/sbx/prefix/drive_c/users/u/Link inside"
}

sound; check 0 "a sound prefix passes"
sound; ln -s / "$scratch/sbx/prefix/dosdevices/z:"; check 1 "a z: drive is refused"
sound; ln -s "$scratch/outside" "$scratch/sbx/prefix/dosdevices/d:"; check 1 "a d: drive outside is refused"
sound; rm -rf "$scratch/sbx/prefix/drive_c/users/u/Temp"; ln -s "$scratch/outside" "$scratch/sbx/prefix/drive_c/users/u/My Documents"
check 1 "a profile link to a folder outside is refused"
sound; ln -s ../../../../../outside "$scratch/sbx/prefix/drive_c/users/u/Desktop"; check 1 "a relative link out is refused"
sound; rm "$scratch/sbx/prefix/dosdevices/c:"; ln -s "$scratch/outside" "$scratch/sbx/prefix/dosdevices/c:"
check 1 "drive c: pointing outside is refused"
sound
if HOME=/root XDG_DATA_HOME="$scratch/sbx/xdg/data" "$tools/verify-sandbox" "$scratch/sbx" 2>/dev/null; then
    echo "FAIL: a HOME outside the sandbox passed"; failures=$((failures + 1))
else
    echo "ok: a HOME outside the sandbox is refused"
fi
echo "$((7 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
