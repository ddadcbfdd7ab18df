#!/usr/bin/env bash
# Builds the game and starts it. Without arguments: a solo game. Arguments are passed on
# (name, host address, "true" to host).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/pictova "$@"
