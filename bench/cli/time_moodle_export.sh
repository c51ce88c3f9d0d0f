#!/usr/bin/env bash
# Times graphway --moodle on a class set of 30 variants of 8 nodes with
# unique tables, the whole process timed (loading the picture module and
# starting Qt included), and prints the quiz file's size beside the goals:
# under 2 s and under 5 MB. Also times graphway's start-up on the example,
# which must not pay for Qt. Run by hand, not by ctest:
#   bench/cli/time_moodle_export.sh [path/to/graphway]
set -euo pipefail

graphway=$(readlink -f "${1:-build/bin/graphway}")
sample=$(dirname "$0")/../../docs/sample.json
if [ ! -x "$graphway" ] || ! command -v hyperfine > /dev/null; then
    echo "needs hyperfine and graphway at $graphway; pass graphway's path" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$graphway" --generate 30 --nodes 8 --unique-table --seed 7 --out "$work/set" > /dev/null

# median_ms COMMAND...: the median wall time of COMMAND in milliseconds;
# the quiz is removed before each run, as graphway never replaces a file.
median_ms() {
    hyperfine -N --style none --warmup 3 --runs 30 --prepare "rm -f $work/quiz.xml" \
        --export-json "$work/times.json" "$*" > /dev/null 2>&1
    sed -n 's/.*"median": *\([0-9.e+-]*\).*/\1/p' "$work/times.json" |
        awk '{ printf "%.1f", $1 * 1000 }'
}

export_ms=$(median_ms "$graphway" --moodle "$work/quiz.xml" "$work/set")
rm -f "$work/quiz.xml"
"$graphway" --moodle "$work/quiz.xml" "$work/set" > /dev/null
bytes=$(stat -c %s "$work/quiz.xml")
questions=$(grep -c '<question ' "$work/quiz.xml")
startup_ms=$(median_ms "$graphway" "$sample")

echo "export of 30 variants: $export_ms ms (goal: under 2000 ms)"
echo "quiz file: $bytes bytes (goal: under 5242880), $questions questions"
echo "graphway on the example (start-up): $startup_ms ms"
awk -v t="$export_ms" -v b="$bytes" 'BEGIN { exit !(t < 2000 && b < 5242880) }'
