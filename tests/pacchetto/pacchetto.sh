#!/bin/bash
# Makes the Debian package of this build, extracts it into a temporary root and starts
# the extracted program there, as its menu entry does, offscreen: it must find its
# tips file, price list and title tune inside the package. A package without its price
# list must say so. The menu entry's command and icon, the documents and the versions
# the package states are checked too.
#   pacchetto.sh <cpack> <build folder> <source folder> <version>
set -euo pipefail
cpack=$1 build=$2 sorgenti=$3 versione=$4
fallito() { echo "FALLITO: $*" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# gzip in place of xz: the content is the same, made in a quarter of the time.
"$cpack" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip --config "$build/CPackConfig.cmake" -B "$tmp/deb" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fallito cpack; }
deb=$tmp/deb/korvel_${versione}_amd64.deb
[ -f "$deb" ] || fallito "no $deb: $(ls "$tmp/deb")"
radice=$tmp/radice
dpkg-deb -x "$deb" "$radice"

# Everything under /usr, nothing under /usr/local.
[ "$(ls -A "$radice")" = usr ] || fallito "outside /usr: $(ls -A "$radice")"
[ ! -e "$radice/usr/local" ] || fallito "files under /usr/local"

# The shared libraries' packages and what the program opens at run time.
dipende=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libfluidsynth3 libzip4 fonts-dejavu-core fonts-liberation2 fonts-urw-base35 \
         timgm6mb-soundfont qt6-translations-l10n xdg-utils; do
  [[ ", $dipende," == *", $p"[\ ,]* ]] || fallito "Depends without $p: $dipende"
done

# The menu entry: its command is the package's, its icon is in every size it names.
voce=$radice/usr/share/applications/com.example.korvel.desktop
comando=$(sed -n 's/^Exec=//p' "$voce")
icona=$(sed -n 's/^Icon=//p' "$voce")
[ -x "$radice/usr/bin/${comando%% *}" ] || fallito "Exec=$comando is not in /usr/bin"
[ -f "$radice/usr/share/icons/hicolor/scalable/apps/$icona.svg" ] || fallito "no scalable icon $icona"
for png in "$radice"/usr/share/icons/hicolor/*x*/apps/"$icona".png; do
  cartella=$(basename "$(dirname "$(dirname "$png")")")
  # Width and height are the PNG header's bytes 16 to 23, big-endian.
  read -r l0 l1 l2 l3 a0 a1 a2 a3 < <(od -An -tu1 -j16 -N8 "$png")
  lato="$(( (l0 << 24) + (l1 << 16) + (l2 << 8) + l3 ))x$(( (a0 << 24) + (a1 << 16) + (a2 << 8) + a3 ))"
  [ "$lato" = "$cartella" ] || fallito "$png is $lato"
done
[ "$(ls -d "$radice"/usr/share/icons/hicolor/*x*/apps | wc -l)" -ge 8 ] || fallito "icon sizes missing"

# Started from elsewhere as the menu entry starts it, it finds its three files inside
# the package; the counts are those of the shipped files.
suggerimenti=$(grep -c '' "$sorgenti/resources/run/SuggerimentiKorvel.TXT")
prodotti=$(sed -n '2{s/[^0-9]//g;p}' "$sorgenti/resources/run/listino.txt")
atteso="suggerimenti: $radice/usr/lib/korvel/SuggerimentiKorvel.TXT ($suggerimenti suggerimenti)
listino: $radice/usr/share/korvel/listino.txt ($prodotti prodotti)
brano: $radice/usr/share/korvel/Internet.mid (file MIDI)"
avvia() { (cd / && env QT_QPA_PLATFORM=offscreen PATH="$radice/usr/bin:$PATH" sh -c "$comando --verifica-file"); }
trovati=$(avvia) || fallito "exit status $?: $trovati"
[ "$trovati" = "$atteso" ] || fallito "found:
$trovati
expected:
$atteso"

# Without its price list the program says so, and the check fails.
rm "$radice/usr/share/korvel/listino.txt"
if trovati=$(avvia); then fallito "a missing price list passed"; fi
grep -qx "listino: $radice/usr/share/korvel/listino.txt (non trovato)" <<<"$trovati" || fallito "$trovati"

# The copyright file holds every line of the licence terms; the changelog and the
# AppStream record name the package's version.
doc=$radice/usr/share/doc/korvel
righe=$(grep -Fxvf "$doc/copyright" "$sorgenti/src/help/testi/licenza.txt" || true)
[ -z "$righe" ] || fallito "copyright without: $righe"
zcat "$doc/changelog.gz" | head -1 | grep -q "^korvel ($versione) " || fallito "changelog: $(zcat "$doc/changelog.gz" | head -1)"
grep -q "<release version=\"$versione\"" "$radice/usr/share/metainfo/com.example.korvel.metainfo.xml" \
  || fallito "metainfo without release $versione"
echo "ok: $deb"
