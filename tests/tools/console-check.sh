#!/bin/sh
# koyomi.exe writing to a console (a terminal under Wine) shows its Japanese as characters,
# not as UTF-8 bytes read in the console's code page 932.
# Usage: console-check.sh WINE_RUN KOYOMI_EXE KMB
set -u
wine_run=$1 exe=$2 kmb=$3
out=$(script -qec "\"$wine_run\" \"$exe\" dump \"$kmb\"" /dev/null | tr -d '\r')
status=0
for word in 給料日 冬のボーナス; do
    case $out in *"$word"*) ;; *) echo "console output lacks $word:"; echo "$out"; status=1 ;; esac
done
exit $status
