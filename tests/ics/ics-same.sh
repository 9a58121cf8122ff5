#!/bin/sh
# koyomi.exe writes the very bytes the native koyomi writes for the same date, to standard
# output and with -o.
# Usage: ics-same.sh WINE_RUN KOYOMI_EXE NATIVE_KOYOMI NATIVE_EXAMPLES
set -eu
wine_run=$1 exe=$2 native=$3 examples=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$examples"/*.kmb "$examples/chip.txt" "$work"
cd "$work"
# And a name of bytes the two systems' conversions could read apart: 0x80, 0xFF, a lead byte
# without its trail, NEC and IBM extensions, 0x5C and 0x7E.
printf '\000\000\002\000\001\000\000\000\020\005\000\000\000\000\013\000\200a\377\201 \207@\355@\\~' >odd.kmb
printf 'odd.kmb\r\n' >>chip.txt
set -- ics --now 2026-12-01 --from 2026-12-01 --to 2027-01-31 --chip chip.txt
"$native" "$@" >native.ics
"$wine_run" "$exe" "$@" >wine.ics
"$wine_run" "$exe" "$@" -o wine-o.ics
cmp native.ics wine.ics && cmp native.ics wine-o.ics
