#!/bin/sh
# Korvel reads its price list and its title tune from the working folder: it starts
# in the folder where the package keeps them, found from this script's own place.
set -e
radice=$(dirname "$(readlink -f "$0")")/..
cd "$radice/share/korvel"
exec "$radice/lib/korvel/korvel" "$@"
