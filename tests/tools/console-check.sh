#!/bin/sh
# koyomi.exe writing to a console (a terminal under Wine) shows its Japanese as characters, not
# as bytes read in another code page: the day text, and a warning that quotes a path, in
# Japanese on this Japanese system.
# Usage: console-check.sh WINE_RUN KOYOMI_EXE KMB
set -u
wine_run=$1 exe=$2 kmb=$3
out=$(script -qec "\"$wine_run\" \"$exe\" dump \"$kmb\"; \"$wine_run\" \"$exe\" 無い.kmb" /dev/null |
    tr -d '\r')
status=0
for word in 給料日 冬のボーナス "警告: 無い.kmb: " "にありません（何も読み込まれません）"; do
    case $out in *"$word"*) ;; *) echo "console output lacks $word:"; echo "$out"; status=1 ;; esac
done
exit $status
