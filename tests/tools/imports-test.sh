#!/usr/bin/env bash
# The static imports of the shipped programs against the committed allow-list: a call
# that an older supported Windows lacks would keep the program from starting there.
#   imports-test.sh ALLOW-LIST   (HUSHMARK_BUILD: the build folder)
set -eu
list=$1
tree="${HUSHMARK_BUILD:?}/Hushmark"
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
# Systems an entry may name; anything newer must be bound at run time.
allowed_systems=" 95 98 NT4 IE3 IE4 2000 ours "

# "dll call" for each import of a PE file, the DLL name in lower case.
imports() {
    "$objdump" -p "$1" | awk '
        /^[ \t]*DLL Name:/ { dll = tolower($3); next }
        /^[ \t]*$/ { dll = ""; next }
        dll != "" && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ && NF >= 3 { print dll, $3 }'
}

failed=0
allowed=$(grep -v '^#' "$list" | awk 'NF { print tolower($1), $2 }' | sort -u)
while read -r dll call system; do
    case "$allowed_systems" in
        *" $system "*) ;;
        *) echo "allow-list: $dll $call names '$system', newer than the programs may need"; failed=1 ;;
    esac
done < <(grep -v '^#' "$list" | awk 'NF')

for program in Hushmark.exe hushmark-cli.exe clearing.dll; do
    file="$tree/$program"
    if [ ! -f "$file" ]; then
        echo "$program: not built"
        failed=1
        continue
    fi
    found=$(imports "$file" | sort -u)
    # A reader that sees nothing would pass every program.
    if ! grep -qx 'kernel32.dll CloseHandle' <<<"$found"; then
        echo "$program: no import table read"
        failed=1
        continue
    fi
    unlisted=$(comm -23 <(echo "$found") <(echo "$allowed"))
    if [ -n "$unlisted" ]; then
        echo "$program imports calls that are not on $(basename "$list"):"
        sed 's/^/  /' <<<"$unlisted"
        failed=1
    fi
done
exit $failed
