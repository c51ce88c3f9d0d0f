#!/usr/bin/env bash
# Makes graph files the window cannot use in /tmp and runs refusal_bench on
# each: 3,000 nodes in some 300 MB (every cell a text of 30 characters), and
# two nodes with one text cell of 4 MB (just under the largest file the
# window opens), 10 MB and 100 MB. Each refusal should take well under 0.1 s
# and raise the resident memory by less than 20 MB. Last comes the largest
# file the window writes, 100 nodes with every text 100 characters of four
# bytes, which it opens: the longest an opening can take.
# The files are removed afterwards. Run by hand, not by ctest:
#   bench/app/refuse_large_file.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
binary=$build/bin/refusal_bench
if [[ ! -x $binary ]]; then
    echo "no $binary: build the refusal_bench target first" >&2
    exit 1
fi
file=$(mktemp /tmp/graphway-large-XXXXXX.json)
trap 'rm -f "$file"' EXIT

# Runs the benchmark on $file, described by $1.
measure() {
    echo "$1: $(stat -c %s "$file") bytes"
    # The first opening reads the file from the disk, as a person's would.
    sync "$file"
    echo 1 > /proc/sys/vm/drop_caches 2>/dev/null || true
    GRAPHWAY_LARGE_FILE=$file QT_QPA_PLATFORM=offscreen "$binary" \
        --benchmark_counters_tabular=true 2>/dev/null
}

awk 'BEGIN {
    n = 3000
    cell = "\"                12345678901234\""
    row = cell
    for (j = 1; j < n; j++) row = row ", " cell
    printf "{\"matrix\": [\n"
    for (i = 0; i < n; i++) printf "%s[%s]\n", (i ? "," : ""), row
    printf "]}\n"
}' > "$file"
measure "3000 nodes"

for megabytes in 4 10 100; do
    {
        printf '{"matrix": [["", "'
        head -c $((megabytes * 1000 * 1000)) /dev/zero | tr '\0' 7
        printf '"], ["", ""]]}\n'
    } > "$file"
    measure "2 nodes, one cell of $megabytes MB"
done

awk 'BEGIN {
    n = 100
    text = ""
    for (k = 0; k < 100; k++) text = text "\360\235\237\231"
    cell = "\"" text "\""
    row = cell
    for (j = 1; j < n; j++) row = row ", " cell
    printf "{\n  \"nodes\": [\n"
    for (i = 0; i < n; i++) printf "    [%s, %s]%s\n", cell, cell, (i < n - 1 ? "," : "")
    printf "  ],\n  \"matrix\": [\n"
    for (i = 0; i < n; i++) printf "    [%s]%s\n", row, (i < n - 1 ? "," : "")
    printf "  ]\n}\n"
}' > "$file"
measure "100 nodes, every text 100 characters of 4 bytes"
