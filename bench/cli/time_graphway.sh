#!/usr/bin/env bash
# Times graphway, reading included, on complete graphs of 100, 300 and 1000
# nodes (every link present), once with JSON integer cells and once with the
# cells written as typed texts, side by side with cat of the same file and
# with simdjson_walk, built beside graphway: a process that only walks the
# cells with simdjson, the floor under graphway's reading.
# Prints the median wall time of each and the times of the walk and of
# graphway as multiples of cat's. Run by hand, not by ctest:
#   bench/cli/time_graphway.sh [path/to/graphway]
set -euo pipefail

graphway=${1:-build/bin/graphway}
walk=$(dirname "$graphway")/simdjson_walk
sizes=(100 300 1000)
runs=30

if [ ! -x "$graphway" ] || [ ! -x "$walk" ]; then
    echo "graphway or simdjson_walk not found beside $graphway; pass graphway's path" >&2
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

# median_seconds FILE: the medians of `runs` timed runs of cat, of the walk
# and of graphway on FILE, in that order, one a line.
median_seconds() {
    if command -v hyperfine > /dev/null; then
        hyperfine -N --style none --warmup 3 --runs "$runs" --export-json "$work/times.json" \
            "cat $1" "$walk $1" "$graphway $1" > /dev/null 2>&1
        sed -n 's/.*"median": *\([0-9.e+-]*\).*/\1/p' "$work/times.json"
    else
        local program times start end
        for program in cat "$walk" "$graphway"; do
            times=()
            for _ in $(seq "$runs"); do
                start=$(date +%s%N)
                "$program" "$1" > /dev/null
                end=$(date +%s%N)
                times+=("$((end - start))")
            done
            printf '%s\n' "${times[@]}" | sort -n |
                awk '{ t[NR] = $1 } END { printf "%.6f\n", t[int((NR + 1) / 2)] / 1e9 }'
        done
    fi
}

ms() { awk -v s="$1" 'BEGIN { printf "%.2f", s * 1000 }'; }
times_cat() { awk -v c="$1" -v t="$2" 'BEGIN { printf "%.1f", t / c }'; }

printf '%-8s %6s %10s %8s %8s %6s %8s %6s  %s\n' cells n bytes "cat ms" "walk ms" "x cat" \
    "ms" "x cat" answer
for kind in numbers texts; do
    for n in "${sizes[@]}"; do
        document="$work/complete_${kind}_$n.json"
        make_document "$n" "$kind" > "$document"
        answer=$("$graphway" "$document" | tr '\n' ' ')
        mapfile -t seconds < <(median_seconds "$document")
        printf '%-8s %6d %10d %8s %8s %6s %8s %6s  %s\n' "$kind" "$n" "$(stat -c %s "$document")" \
            "$(ms "${seconds[0]}")" "$(ms "${seconds[1]}")" \
            "$(times_cat "${seconds[0]}" "${seconds[1]}")" "$(ms "${seconds[2]}")" \
            "$(times_cat "${seconds[0]}" "${seconds[2]}")" "$answer"
    done
done
