#!/usr/bin/env bash
# Builds the Debian package graphway_<version>_<arch>.deb with CPack into
# BUILD_DIR/package and prints its path, alone on standard output. It reuses
# the build folder (build/ by default, configured with the default preset
# when it is not configured yet), so after scripts/test.sh only the
# packaging itself is left to do.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
# Everything but the path goes to standard error.
exec 3>&1 1>&2
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

build=${1:-build}
if [[ ! -f $build/CMakeCache.txt ]]; then
    if [[ $build == build ]]; then
        cmake --preset default
    else
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
fi
cmake --build "$build"

rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake"
debs=("$build"/package/graphway_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
    echo "CPack made no single graphway_*.deb in $build/package" >&2
    exit 1
fi
echo "${debs[0]}" >&3
