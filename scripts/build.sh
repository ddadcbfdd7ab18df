#!/usr/bin/env bash
# Configures and builds into ${PICTOVA_BUILD_DIR:-build}. Extra arguments go to CMake's configure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir="${PICTOVA_BUILD_DIR:-build}"
launcher=()
# Several checkouts of the tree build the same sources; a compiler cache, where one is installed,
# shares their objects (paths are taken relative to the checkout).
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
fi
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
