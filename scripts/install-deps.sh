#!/bin/bash
# Installs what Korvel needs on Debian 12 (run as root); skips what is present.
# "install-deps.sh pacchetto" adds what scripts/package.sh checks the package with.
set -euo pipefail
PACKAGES=(build-essential cmake ninja-build pkg-config dpkg-dev
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  libzip-dev libfluidsynth-dev timgm6mb-soundfont
  fonts-dejavu-core fonts-liberation2 fonts-urw-base35 qt6-translations-l10n xdg-utils
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth python3 poppler-utils)
# fonts-dejavu-core: the windows' default sans serif and the title screen's faces;
# fonts-dejavu-core and fonts-liberation2: the faces reports are drawn and their pages
# counted with, those the word processor of a Debian desktop shows them in;
# fonts-urw-base35: the windows' design font; qt6-translations-l10n: the Italian texts
# of the file and colour dialogs; xdg-utils: web and mail links open in the desktop's programs;
# python3: the test that the town table agrees with its data file; poppler-utils: the
# tests that read back where the program's own PDF draws each word (pdftotext);
# dpkg-dev: the package's dependencies on shared libraries (dpkg-shlibdeps), for the
# package test too.
if [ "${1:-}" = pacchetto ]; then
  # lintian: the package against Debian's policy; desktop-file-utils and appstream:
  # the menu entry and the AppStream record checked by their validators.
  PACKAGES+=(lintian desktop-file-utils appstream)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
      as_root=(sudo)
    else
      echo "Missing packages (install them as root): ${missing[*]}" >&2
      exit 1
    fi
  fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
