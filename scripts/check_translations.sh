#!/usr/bin/env bash
# The English translation is complete and current: lupdate reads the
# window's sources into a copy of the .ts file, and any text it finds
# without an English translation, or any translation whose text has left
# the sources, fails the check. With --update the real file is brought up
# to date instead (its new texts then wait for their English).
#
# Usage: scripts/check_translations.sh [--update] [LUPDATE]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
update=0
if [ "${1:-}" = --update ]; then
    update=1
    shift
fi
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
ts="$root/app/translations/graphway_en.ts"

run_lupdate() {
    "$lupdate" -silent -locations none -source-language ru -target-language en \
        -extensions cpp,h -I "$root" "$root/app" -ts "$1"
}

if [ "$update" -eq 1 ]; then
    run_lupdate "$ts"
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$ts" "$scratch/graphway_en.ts"
run_lupdate "$scratch/graphway_en.ts"

# Each message whose translation is unfinished, vanished or obsolete, with
# its source text.
faults=$(awk '
    /<source>/ { source = $0 }
    /<translation[^>]*type="(unfinished|vanished|obsolete)"/ {
        match($0, /type="[a-z]+"/)
        print substr($0, RSTART + 6, RLENGTH - 7) ": " source
    }' "$scratch/graphway_en.ts" | sed -e 's/<[^>]*>//g' -e 's/  */ /g')
if [ -n "$faults" ]; then
    echo "app/translations/graphway_en.ts is not complete and current:" >&2
    echo "$faults" >&2
    echo "Run scripts/check_translations.sh --update and translate the new texts." >&2
    exit 1
fi
echo "Every text of the window has its English translation."
