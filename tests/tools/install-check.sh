#!/bin/sh
# `cmake --install` of the native build puts koyomi and its manual pages under the prefix: the
# English page and, under ja, the Japanese one. Each renders without a warning, names every
# option and command that `koyomi --help` lists in its language and the version
# `koyomi --version` prints.
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
man="$work/prefix/share/man"
version=$("$work/prefix/bin/koyomi" --version | sed 's/^koyomi //')
status=0
for lang in C ja_JP.UTF-8; do
    case $lang in C) page="$man/man1/koyomi.1" ;; *) page="$man/ja/man1/koyomi.1" ;; esac
    LC_ALL=$lang "$work/prefix/bin/koyomi" --help >"$work/help"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$work/page" 2>"$work/warnings"
    if [ -s "$work/warnings" ] || [ ! -s "$work/page" ]; then
        echo "$page does not render cleanly:"
        cat "$work/warnings"
        status=1
    fi
    for word in $(grep -o -- '--[a-z]*' "$work/help" | sort -u) dump list convert holidays agenda month ics; do
        grep -q -- "$word" "$work/page" || { echo "$page does not mention $word"; status=1; }
    done
    # The page's header names the release that --version prints.
    grep -q "^\.TH KOYOMI 1 .*\"Koyomiru $version\"" "$page" ||
        { echo "$page is not the page of version $version"; status=1; }
done
exit $status
