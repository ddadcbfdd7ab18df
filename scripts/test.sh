#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
# PICTOVA_BUILD_DIR picks the build folder; PICTOVA_SANITIZE=1 builds with ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
args=()
if [ "${PICTOVA_SANITIZE:-}" = "1" ]; then
    args+=(-DPICTOVA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    export PICTOVA_BUILD_DIR="${PICTOVA_BUILD_DIR:-build-asan}"
fi
scripts/build.sh "${args[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${PICTOVA_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
