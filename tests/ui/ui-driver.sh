#!/usr/bin/env bash
# Runs the UI driver in the run's sandbox, then keeps its screenshots as PNG files in
# the build folder, where a reviewer finds them after the run.
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/screenshots.sh"
"$here/../../tools/wine-run" "$build/bin/MainWindowTest.exe"
rc=$?
keep_screenshots "$build" '*'
exit $rc
