#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Korvel (run as root).
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config ccache
  juce-modules-source libasound2-dev libcurl4-gnutls-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth matchbox-window-manager imagemagick xdotool fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
