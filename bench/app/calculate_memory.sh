#!/usr/bin/env bash
# Peak resident memory of the window while "Рассчитать" is clicked over and
# over on a complete 100-node graph: runs BM_CalculateRepeatedly alone under
# /usr/bin/time -v and prints its peak and its own before/after reading.
# Usage: bench/app/calculate_memory.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/packages.sh
ensure_packages time
build=${1:-build}
binary=$build/bin/calculate_bench
if [[ ! -x $binary ]]; then
    echo "no $binary: build the calculate_bench target first" >&2
    exit 1
fi
report=$(mktemp)
trap 'rm -f "$report"' EXIT
QT_QPA_PLATFORM=offscreen /usr/bin/time -v -o "$report" \
    "$binary" --benchmark_filter=BM_CalculateRepeatedly 2>/dev/null | grep -E 'Repeatedly'
grep -E 'Maximum resident set size|Elapsed \(wall clock\)' "$report"
