#!/bin/sh
# The release zip as a user takes it: unpacked into a folder whose path holds Japanese and a
# space, its plug-in under the test host prints what koyomi prints for the packaged chip text,
# its editor opens the packaged samples, its programs import only Windows' own DLLs, and the
# guide is there as code page 932 text with CR LF and as a page whose pictures are present.
# Usage: check-package.sh ZIP WINE_RUN KOYOMI(native) OBJDUMP EDITOR_CHECK(.exe)
# Needs an X display for the editor (xvfb-run).
set -u
zip=$1 wine_run=$2 koyomi=$3 objdump=$4 editor_check=$5
fail() { echo "package: $*"; status=1; }
status=0
work=$(mktemp -d "${TMPDIR:-/tmp}/koyomiru-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
folder="$work/こよみる テスト"
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip") || { echo "package: cannot unpack $zip"; exit 1; }
top="$folder/$(basename "$zip" .zip)"
[ -d "$top" ] || { echo "package: the zip holds no folder $(basename "$top")"; exit 1; }

# What the zip must hold: the programs, the guide, the sample chip and ten years of holidays.
for f in Koyomiru.dxl KmbTool.exe koyomi.exe koyomihost.exe guide.txt guide.html \
         sample/chip.txt $(for y in $(seq 2026 2035); do echo sample/holidays-$y.kmb; done); do
    [ -f "$top/$f" ] || fail "missing $f"
done
ls "$top"/sample/*.kmd >/dev/null 2>&1 || fail "no legacy .kmd samples"
for img in $(grep -o 'src="[^"]*"' "$top/guide.html" | sed 's/^src="//;s/"$//'); do
    [ -f "$top/$img" ] || fail "guide.html shows $img, which is missing"
done
if iconv -f CP932 -t UTF-8 "$top/guide.txt" >/dev/null 2>&1; then
    lf=$(tr -cd '\n' <"$top/guide.txt" | wc -c)
    crlf=$(grep -c "$(printf '\r')\$" "$top/guide.txt")
    [ "$lf" -gt 0 ] && [ "$lf" = "$crlf" ] || fail "guide.txt: $crlf of $lf lines end in CR LF"
else
    fail "guide.txt is not code page 932"
fi
# Every chapter the guide cites is there: a heading of the text, an id the page's links reach.
guide=$(iconv -f CP932 -t UTF-8 "$top/guide.txt" 2>/dev/null | tr -d '\r')
for n in $(printf '%s\n' "$guide" | grep -o '[0-9][0-9]*章' | sed 's/章$//' | sort -u); do
    printf '%s\n' "$guide" | grep -q "^## $n\. " || fail "guide.txt cites chapter $n, which it lacks"
done
for id in $(grep -o 'href="#[^"]*"' "$top/guide.html" | sed 's/^href="#//;s/"$//' | sort -u); do
    grep -q "id=\"$id\"" "$top/guide.html" || fail "guide.html links to #$id, which it lacks"
done

# Only Windows' own DLLs: nothing else ships beside the programs.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll advapi32.dll msvcrt.dll ole32.dll "
for f in Koyomiru.dxl KmbTool.exe koyomi.exe koyomihost.exe; do
    [ -f "$top/$f" ] || continue
    dlls=$("$objdump" -p "$top/$f" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    [ -n "$dlls" ] || fail "$f: no imports read"
    for d in $dlls; do
        case $system_dlls in *" $d "*) ;; *) fail "$f imports $d" ;; esac
    done
done

# The chip text: the packaged plug-in through the test host, the packaged koyomi.exe and the
# native koyomi agree byte for byte, and every file the chip names is in the package. Run
# twice at most, in case midnight falls between them.
cd "$top/sample" || exit 1
for attempt in 1 2; do
    "$koyomi" --raw --chip chip.txt >"$work/koyomi.out" 2>"$work/koyomi.err"
    "$wine_run" ../koyomihost.exe ../Koyomiru.dxl chip.txt >"$work/host.out" 2>"$work/host.err"
    "$wine_run" ../koyomi.exe --raw --chip chip.txt >"$work/exe.out" 2>"$work/exe.err"
    cmp -s "$work/koyomi.out" "$work/host.out" && cmp -s "$work/koyomi.out" "$work/exe.out" && break
    [ $attempt = 2 ] && fail "the chip texts differ (koyomi, koyomihost.exe, koyomi.exe):" &&
        for o in koyomi host exe; do iconv -f CP932 -t UTF-8 "$work/$o.out"; echo; cat "$work/$o.err"; done
done
[ -s "$work/koyomi.err" ] && fail "a file the sample chip names is missing: $(cat "$work/koyomi.err")"
iconv -f CP932 -t UTF-8 "$work/koyomi.out" | grep -q "今日は" || fail "no chip header"

# The editor, started from the package folder, opens each sample.
cd "$top" || exit 1
"$wine_run" "$editor_check" >"$work/editor.out" 2>&1 || { fail "the packaged editor:"; cat "$work/editor.out"; }

[ $status = 0 ] && echo "package: $(basename "$zip") passes"
exit $status
