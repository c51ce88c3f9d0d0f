#!/usr/bin/env bash
# Makes a graph file of 3,000 nodes and some 300 MB in /tmp (every cell a
# text of 30 characters) and runs refusal_bench on it: the window's refusal
# should take less than a second and raise the resident memory by less than
# 50 MB. The file is removed afterwards. Run by hand, not by ctest:
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
awk 'BEGIN {
    n = 3000
    cell = "\"                12345678901234\""
    row = cell
    for (j = 1; j < n; j++) row = row ", " cell
    printf "{\"matrix\": [\n"
    for (i = 0; i < n; i++) printf "%s[%s]\n", (i ? "," : ""), row
    printf "]}\n"
}' > "$file"
echo "$(stat -c %s "$file") bytes, 3000 nodes: $file"
# The first opening reads the file from the disk, as a person's would.
sync "$file"
echo 1 > /proc/sys/vm/drop_caches 2>/dev/null || true
GRAPHWAY_LARGE_FILE=$file "$binary" --benchmark_counters_tabular=true
