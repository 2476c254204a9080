#!/usr/bin/env bash
# Runs the results window driver in the run's sandbox, then keeps its screenshots as PNG files in
# the build folder, where a reviewer finds them after the run.
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../tools/wine-run" "$build/bin/ResultsWindowTest.exe"
rc=$?
mkdir -p "$build/screenshots"
for shot in "$HUSHMARK_SANDBOX"/prefix/drive_c/hushmark/screens/results-*.bmp; do
    [ -f "$shot" ] && convert "$shot" "$build/screenshots/$(basename "${shot%.bmp}").png"
done
exit $rc
