#!/usr/bin/env bash
# tools/quietly: one line for a step that works, the whole log for one that fails,
# everything with V=1, and the step's own exit code.
set -u
quietly="$1/quietly"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

step() { printf 'line one\n[ 50%%] half\nline three\n'; return "$1"; }
export -f step

out=$(V=0 "$quietly" "Building" "$work/ok.log" bash -c 'step 0' 2>&1)
rc=$?
[ $rc = 0 ] || fail "a step that works ended with $rc"
[ "$out" = "Building: done" ] || fail "a step that works printed: $out"
grep -q 'line three' "$work/ok.log" || fail "the log lacks the step's output"

out=$(V=0 "$quietly" "Building" "$work/bad.log" bash -c 'step 3' 2>&1)
rc=$?
[ $rc = 3 ] || fail "a failed step ended with $rc, not its own 3"
grep -q 'line one' <<<"$out" && grep -q 'line three' <<<"$out" || fail "a failed step hid its output: $out"
grep -q "$work/bad.log" <<<"$out" || fail "a failed step did not name its log"

out=$(V=1 "$quietly" "Building" "$work/v.log" bash -c 'step 0' 2>&1)
[ "$(grep -c line <<<"$out")" = 2 ] || fail "V=1 did not show the whole output: $out"
exit $failed
