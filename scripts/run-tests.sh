#!/usr/bin/env bash
# Installs, builds and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVEL_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure --timeout 600 -j2
