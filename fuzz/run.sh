#!/usr/bin/env bash
# fuzz/run.sh SECONDS: builds every fuzzer with clang and runs each for
# SECONDS, starting from its seed corpus in fuzz/corpus/<name>. Findings are
# written to build-fuzz/findings/; the script fails when a fuzzer does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

seconds=${1:-30}
ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

cmake --preset fuzz
cmake --build --preset fuzz

# Absolute paths: a fuzzer may change its working directory.
findings=$PWD/build-fuzz/findings
mkdir -p "$findings"
status=0
for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    fuzzer=$PWD/build-fuzz/bin/${name}_fuzz
    # The seed corpus stays as committed; new inputs go to a scratch copy.
    work=$PWD/build-fuzz/corpus/$name
    mkdir -p "$work"
    cp -n "$seeds"/* "$work"/ 2>/dev/null || true
    echo "== $name: ${seconds}s"
    if ! (QT_QPA_PLATFORM=offscreen "$fuzzer" \
            -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$findings/${name}-" "$work" 2>&1 | tail -n 3); then
        status=1
    fi
done
exit $status
