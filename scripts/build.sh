#!/usr/bin/env bash
# Configures and builds Korvel (Release) into build/ beside this script's folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVEL_BUILD_DIR:-$root/build}"
export CCACHE_SLOPPINESS=time_macros
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)" "$@"
