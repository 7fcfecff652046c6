#!/bin/bash
# Installs what Korvel needs on Debian 12 (run as root); skips what is present.
set -euo pipefail
PACKAGES=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  libzip-dev libfluidsynth-dev timgm6mb-soundfont fonts-urw-base35
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
