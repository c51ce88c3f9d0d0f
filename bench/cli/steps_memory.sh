#!/usr/bin/env bash
# Peak memory of `graphway --steps` on a complete graph of links of weight 0
# (every node ties with every other: each row lists every node chosen so
# far), with the size of the table it writes. Run by hand, not by ctest:
#   bench/cli/steps_memory.sh [path/to/graphway] [nodes]
set -euo pipefail

graphway=${1:-build/bin/graphway}
n=${2:-600}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$n" 'BEGIN {
    printf "{\"matrix\": ["
    for (i = 0; i < n; i++) {
        printf "%s[", (i ? ",\n" : "")
        for (j = 0; j < n; j++) printf "%s%s", (j ? "," : ""), (i == j ? "null" : "0")
        printf "]"
    }
    print "]}"
}' > "$work/zero.json"

/usr/bin/time -f '%M' -o "$work/peak" "$graphway" --steps "$work/zero.json" > "$work/table.tsv"
echo "n = $n: table $(stat -c %s "$work/table.tsv") bytes, peak memory $(cat "$work/peak") kB"
