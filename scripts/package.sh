#!/bin/bash
# Makes Korvel's Debian package: installs what is missing, makes a Release build in
# build-pacchetto and build-pacchetto/korvel_<version>_amd64.deb, then checks the menu
# entry, the AppStream record and the package (an error of lintian stops it).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh pacchetto

# Debian's hardening flags; no debugging information, since the program is stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
cmake -S . -B build-pacchetto -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF
cmake --build build-pacchetto -j "${BUILD_JOBS:-$(nproc)}"
rm -f build-pacchetto/korvel_*.deb
cpack --config build-pacchetto/CPackConfig.cmake -B build-pacchetto
deb=$(ls build-pacchetto/korvel_*_amd64.deb)

desktop-file-validate resources/desktop/com.example.korvel.desktop
appstreamcli validate --no-net resources/desktop/com.example.korvel.metainfo.xml
lintian --fail-on error "$deb"
echo "Pacchetto: $deb"
