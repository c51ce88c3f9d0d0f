#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the window from a
# folder that holds the default background 1.bmp.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}"

cmake --preset default
cmake --build --preset default

if [ ! -x build/bin/Project1 ]; then
    echo "The window is not built yet."
    exit 0
fi
cd build/bin
exec ./Project1 "$@"
