#!/usr/bin/env bash
# Times graphway, reading included, on complete graphs of 100, 300 and 1000
# nodes (every link present), once with JSON integer cells and once with the
# cells written as typed texts. Prints the median wall time of each.
# Run by hand, not by ctest:
#   bench/cli/time_graphway.sh [path/to/graphway]
set -euo pipefail

graphway=${1:-build/bin/graphway}
sizes=(100 300 1000)
runs=30

if [ ! -x "$graphway" ]; then
    echo "graphway not found at $graphway; pass its path" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_document N KIND: a complete graph on N nodes, weights 1..100 from a
# fixed seed; KIND "numbers" writes JSON integers, "texts" writes strings in
# the window's forms (decimal, leading spaces, $hex).
make_document() {
    awk -v n="$1" -v kind="$2" 'BEGIN {
        srand(n)
        printf "{\"matrix\": ["
        for (i = 0; i < n; i++) {
            printf "%s[", (i ? ",\n" : "")
            for (j = 0; j < n; j++) {
                w = 1 + int(rand() * 100)
                if (i == j) cell = "null"
                else if (kind == "numbers") cell = w
                else if (j % 3 == 0) cell = sprintf("\"%d\"", w)
                else if (j % 3 == 1) cell = sprintf("\"  %d\"", w)
                else cell = sprintf("\"$%X\"", w)
                printf "%s%s", (j ? ", " : ""), cell
            }
            printf "]"
        }
        printf "]}\n"
    }'
}

# median_seconds FILE: the median of `runs` timed runs of graphway on FILE.
median_seconds() {
    if command -v hyperfine > /dev/null; then
        hyperfine -N --style none --warmup 3 --runs "$runs" --export-json "$work/times.json" \
            "$graphway $1" > /dev/null
        sed -n 's/.*"median": *\([0-9.e+-]*\).*/\1/p' "$work/times.json" | head -n 1
    else
        local times=() start end
        for _ in $(seq "$runs"); do
            start=$(date +%s%N)
            "$graphway" "$1" > /dev/null
            end=$(date +%s%N)
            times+=("$((end - start))")
        done
        printf '%s\n' "${times[@]}" | sort -n |
            awk '{ t[NR] = $1 } END { printf "%.6f\n", t[int((NR + 1) / 2)] / 1e9 }'
    fi
}

printf '%-8s %6s %10s %12s  %s\n' cells n bytes "median ms" answer
for kind in numbers texts; do
    for n in "${sizes[@]}"; do
        document="$work/complete_${kind}_$n.json"
        make_document "$n" "$kind" > "$document"
        answer=$("$graphway" "$document" | tr '\n' ' ')
        seconds=$(median_seconds "$document")
        printf '%-8s %6d %10d %12.2f  %s\n' "$kind" "$n" "$(stat -c %s "$document")" \
            "$(awk -v s="$seconds" 'BEGIN { print s * 1000 }')" "$answer"
    done
done
