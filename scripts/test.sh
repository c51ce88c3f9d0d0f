#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test with ctest.
# Before the ordinary build and suite come each fuzzer for a short while
# (FUZZ_SECONDS, 30 by default; 0 skips them) and the whole suite under the
# address and undefined-behaviour sanitizers; after them, the Debian package
# is built from the ordinary build and checked.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEX_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

fuzz_seconds=${FUZZ_SECONDS:-30}
if [ "$fuzz_seconds" -gt 0 ]; then
    bash fuzz/run.sh "$fuzz_seconds"
fi

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset default
cmake --build --preset default
ctest --preset default
bash scripts/check_package.sh
