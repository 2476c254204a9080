#!/usr/bin/env bash
# Folder removal speed: 20,000 small files in 20 folders, removed by our DeleteFolder
# under Wine, by `rm -rf`, and by BleachBit's firefox.cache cleaner on an identical
# cache in a throwaway HOME. Prints the ratios and appends them to
# bench/folder-removal-results.txt.
#   bench/folder-removal.sh [BUILD]     (BUILD defaults to "build"; it must be built)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
probe="$build/bin/hm-probe.exe"
[ -f "$probe" ] || { echo "no $probe: build first" >&2; exit 2; }
folders=20
per_folder=1000
# Beside the sandbox, on the same file system, so that every tree meets the same disk.
work=$(mktemp -d "$build/bench-work.XXXXXX")
trap 'rm -rf -- "$work"' EXIT

now() { date +%s%N; }
ms() { echo $(( ($2 - $1) / 1000000 )); }

# The same tree wherever it is planted: small files with a little text each.
plant() {
    local base=$1 d f
    for d in $(seq -w 0 $((folders - 1))); do
        mkdir -p "$base/dir$d"
        (cd "$base/dir$d" && for f in $(seq -w 0 $((per_folder - 1))); do
            printf 'cache entry %s of folder %s\n' "$f" "$d" > "entry$f"
        done)
    done
    sync
}

export HUSHMARK_SANDBOX="$build/sandbox/bench"
"$root/tools/make-sandbox" --fresh "$HUSHMARK_SANDBOX" >/dev/null 2>&1
drive_c="$HUSHMARK_SANDBOX/prefix/drive_c"
# A first run warms Wine up, so that only the removal differs between runs.
"$root/tools/wine-run" "$probe" version >/dev/null 2>&1 || true

plant "$drive_c/bench/cache2"
start=$(now)
ours_inside=$("$root/tools/wine-run" "$probe" timedelete 'C:\bench\cache2' 2>/dev/null | tr -d '\r') || true
end=$(now)
ours_wall=$(ms "$start" "$end")
[ ! -e "$drive_c/bench/cache2" ] || { echo "DeleteFolder left the tree behind" >&2; exit 1; }

plant "$drive_c/bench/cache2"
naive=$("$root/tools/wine-run" "$probe" timenaive 'C:\bench\cache2' 2>/dev/null | tr -d '\r') || true
rm -rf -- "$drive_c/bench"

plant "$work/rm/cache2"
start=$(now)
rm -rf -- "$work/rm/cache2"
end=$(now)
rm_ms=$(ms "$start" "$end")

bleach_ms=
if ! command -v bleachbit >/dev/null && [ "$(id -u)" = 0 ]; then
    apt-get install -y bleachbit >/dev/null 2>&1 || true
fi
if command -v bleachbit >/dev/null; then
    home="$work/home"
    mkdir -p "$home/.cache/mozilla/firefox/bench.default" "$home/.config"
    plant "$home/.cache/mozilla/firefox/bench.default/cache2"
    start=$(now)
    HOME="$home" XDG_CACHE_HOME="$home/.cache" XDG_CONFIG_HOME="$home/.config" \
        bleachbit --clean firefox.cache >/dev/null 2>&1 || true
    end=$(now)
    bleach_ms=$(ms "$start" "$end")
    left=$(find "$home/.cache/mozilla" -type f | wc -l)
    [ "$left" = 0 ] || echo "note: BleachBit left $left files" >&2
fi
"$root/tools/stop-sandbox" "$HUSHMARK_SANDBOX" >/dev/null 2>&1 || true

ours_ms=${ours_inside%.*}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
line="$(date -u +%Y-%m-%dT%H:%MZ) files=$((folders * per_folder)) folders=$folders"
line+=" ours=${ours_ms}ms (wall with Wine start ${ours_wall}ms) delete-while-listing=${naive%.*}ms rm-rf=${rm_ms}ms"
line+=" ours/rm=$(ratio "$ours_ms" "$rm_ms") (goal <= 5)"
if [ -n "$bleach_ms" ]; then
    line+=" bleachbit=${bleach_ms}ms ours/bleachbit=$(ratio "$ours_ms" "$bleach_ms") (goal <= 1)"
    line+=" wall/bleachbit=$(ratio "$ours_wall" "$bleach_ms")"
else
    line+=" bleachbit=not-installed"
fi
line+=" listing-first-speedup=$(ratio "${naive%.*}" "$ours_ms")"
echo "$line"
echo "$line" >> "$here/folder-removal-results.txt"
