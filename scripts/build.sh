#!/usr/bin/env bash
# Configures and builds into ${PICTOVA_BUILD_DIR:-build}. Extra arguments go to CMake's configure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir="${PICTOVA_BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
