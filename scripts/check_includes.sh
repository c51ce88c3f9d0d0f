#!/usr/bin/env bash
# Checks that the project's includes point one way. Every folder of the
# program is a room on a floor, and a file includes only its own room and
# rooms on lower floors:
#
#   7  the window: app/Unit1, app/Project1
#   6  app/classes/
#   5  app/picture/
#   4  app/files/, app/steps/, app/help/
#   3  app/tables/
#   2  the window's small helpers (the other files at the root of app/), cli/
#   1  document/, plot/
#   0  graph/
#
# and cli/, graphway, does not include plot/, which draws with Qt. Nor do
# two units (a header with its source) include each other, directly or
# round a longer circle. tests/, bench/ and fuzz/ stand outside and may
# include any room. Prints each wrong include and exits 1; run it from
# anywhere: scripts/check_includes.sh
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(find graph document plot cli app -name '*.h' -o -name '*.cpp' | sort)

# One line per include of a project header: the including file, the header.
includes=$(for file in $sources; do
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" |
        while read -r header; do echo "$file $header"; done
done)

wrong=$(echo "$includes" | awk '
    function room(path) {
        if (path ~ /^app\/(tables|files|picture|steps|classes|help)\//) return substr(path, 1, index(substr(path, 5), "/") + 3)
        if (path ~ /^app\/(Unit1|Project1)\./) return "the window"
        if (path ~ /^app\/[^\/]+$/) return "the window'"'"'s helpers"
        if (path ~ /^(graph|document|plot|cli)\//) return substr(path, 1, index(path, "/") - 1)
        return ""
    }
    BEGIN {
        floor["the window"] = 7; floor["app/classes"] = 6; floor["app/picture"] = 5; floor["app/files"] = 4
        floor["app/steps"] = 4; floor["app/help"] = 4; floor["app/tables"] = 3; floor["the window'"'"'s helpers"] = 2
        floor["cli"] = 2; floor["document"] = 1; floor["plot"] = 1; floor["graph"] = 0
    }
    NF == 2 {
        from = room($1); to = room($2)
        if (to == "") { print $1 " includes " $2 ", outside the rooms"; next }
        if (from != to && floor[to] >= floor[from]) {
            print $1 " includes " $2 ": " to " does not stand below " from
        } else if (from == "cli" && to == "plot") {
            print $1 " includes " $2 ": graphway draws nothing"
        }
    }')

# Units that include each other: tsort names the first circle it meets.
circle=$(echo "$includes" | awk 'NF == 2 {
        from = $1; to = $2; sub(/\.(h|cpp)$/, "", from); sub(/\.(h|cpp)$/, "", to)
        if (from != to) print from, to
    }' | tsort 2>&1 >/dev/null || true)

status=0
if [ -n "$wrong" ]; then
    echo "$wrong"
    status=1
fi
if [ -n "$circle" ]; then
    echo "Units that include each other:"
    echo "$circle"
    status=1
fi
if [ "$status" -eq 0 ]; then
    echo "Includes point one way: $(echo "$includes" | wc -l) includes in $(echo "$sources" | wc -l) files."
fi
exit "$status"
