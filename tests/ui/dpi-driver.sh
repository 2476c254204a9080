#!/usr/bin/env bash
# Runs the DPI driver in a sandbox of its own, its display set to DPI dots per inch (the
# value Wine reads when a program starts), then keeps the driver's screenshots.
# Usage: dpi-driver.sh BUILD DPI
set -u
build=$1
export HUSHMARK_DPI=$2
here=$(cd "$(dirname "$0")" && pwd)
tools="$here/../../tools"
. "$here/screenshots.sh"
export HUSHMARK_SANDBOX=$build/sandbox/dpi$HUSHMARK_DPI
"$tools/make-sandbox" --fresh "$HUSHMARK_SANDBOX" >/dev/null || exit 1
trap '"$tools/stop-sandbox" "$HUSHMARK_SANDBOX"' EXIT
"$tools/wine-run" 'C:\windows\system32\reg.exe' add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$HUSHMARK_DPI" /f >/dev/null || exit 1
"$tools/wine-run" "$build/bin/HighDpiTest.exe"
rc=$?
keep_screenshots "$build" "dpi$HUSHMARK_DPI-*"
exit $rc
