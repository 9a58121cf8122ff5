#!/bin/sh
# `cmake --install` of the native build puts koyomi and its manual page under the prefix; the
# page renders without a warning, names every option and command `koyomi --help` lists and
# the version `koyomi --version` prints.
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
page="$work/prefix/share/man/man1/koyomi.1"
"$work/prefix/bin/koyomi" --help >"$work/help"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$work/page" 2>"$work/warnings"
if [ -s "$work/warnings" ] || [ ! -s "$work/page" ]; then
    echo "koyomi.1 does not render cleanly:"
    cat "$work/warnings"
    exit 1
fi
status=0
for word in $(grep -o -- '--[a-z]*' "$work/help" | sort -u) dump list convert holidays agenda month ics; do
    grep -q -- "$word" "$work/page" || { echo "koyomi.1 does not mention $word"; status=1; }
done
# The page's header names the release that --version prints.
version=$("$work/prefix/bin/koyomi" --version | sed 's/^koyomi //')
grep -q "^\.TH KOYOMI 1 .*\"Koyomiru $version\"" "$page" ||
    { echo "koyomi.1 is not the page of version $version"; status=1; }
exit $status
