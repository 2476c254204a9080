#!/usr/bin/env bash
# The compiled help file against the windows that open it: every topic that a window of
# the program names is a page of Help.chm, every page's links lead to pages of the file,
# and the contents and index name only pages that are there.
#   help-topics.sh HELP.CHM SOURCE-FOLDER
set -u
chm=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT
fail=0
problem() { echo "FAIL: $*" >&2; fail=1; }

[ -s "$chm" ] || { echo "FAIL: no help file $chm" >&2; exit 1; }
extract_chmLib "$chm" "$work/chm" >/dev/null || { echo "FAIL: extract_chmLib could not read $chm" >&2; exit 1; }

# The topics of the main, results and options windows, and any other that a window's
# source names as it writes them ("::/Source\\...\\Page.htm").
mapfile -t topics < <({
    printf '%s\n' 'Source\Introducing the Hushmark\Introduction.htm' 'Source\Quick start\Solving privacy leaks.htm' \
        'Source\Interface\Options dialog\General tab.htm' 'Source\Interface\Options dialog\Scheduler tab.htm' \
        'Source\Interface\Options dialog\About tab.htm'
    grep -rhoE '"::/[^"]+\.htm"' "$src/ui" | tr -d '"' | sed 's|^::/||; s|\\\\|\\|g'
} | sort -u)
for topic in "${topics[@]}"; do
    page="$work/chm/$(printf '%s' "$topic" | sed 's|\\\\|/|g; s|\\|/|g')"
    if [ ! -s "$page" ]; then
        problem "topic $topic is not in the help file"
    elif ! grep -qi '<title>[^<]' "$page"; then
        problem "topic $topic has no title"
    fi
done

# Links between pages, relative to the page, with %20 for blanks.
while IFS= read -r -d '' page; do
    dir=$(dirname "$page")
    while IFS= read -r link; do
        case "$link" in http:* | https:* | mailto:* | \#*) continue ;; esac
        target="$dir/$(printf '%s' "${link%%#*}" | sed 's/%20/ /g')"
        [ -e "$target" ] || problem "${page#"$work/chm/"} links to $link, which is not in the file"
    done < <(grep -oE '(href|src)="[^"]+"' "$page" | sed -E 's/^(href|src)="//; s/"$//')
done < <(find "$work/chm" -name '*.htm' -print0)

# Contents and index entries.
for sitemap in Contents.hhc Index.hhk; do
    [ -s "$work/chm/$sitemap" ] || { problem "no $sitemap in the file"; continue; }
    while IFS= read -r local; do
        [ -s "$work/chm/$(printf '%s' "$local" | sed 's|\\|/|g')" ] || problem "$sitemap names $local, which is not in the file"
    done < <(grep -oE 'name="Local" value="[^"]+"' "$work/chm/$sitemap" | sed -E 's/.*value="//; s/"$//')
done

[ $fail -eq 0 ] && echo "Help.chm: ${#topics[@]} topics of the windows, links, contents and index all in place"
exit $fail
