#!/usr/bin/env bash
# Runs a UI driver program in the run's sandbox, then keeps the screenshots whose names
# match the pattern as PNG files in the build folder, where a reviewer finds them after
# the run. Usage: run-driver.sh BUILD PROGRAM PATTERN
set -u
build=$1
program=$2
pattern=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/screenshots.sh"
"$here/../../tools/wine-run" "$build/bin/$program.exe"
rc=$?
keep_screenshots "$build" "$pattern"
exit $rc
