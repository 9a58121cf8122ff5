#!/bin/sh
# Turns the guide's Markdown (UTF-8) into what the release zip holds:
#   html IN OUT CMARK  - a page of its own (UTF-8) with the pictures beside it in images/
#   text IN OUT        - code page 932 with CR LF, for any Japanese Windows editor; a picture
#                        becomes a line naming it
# A character code page 932 lacks fails the conversion rather than vanishing from the text.
set -eu
mode=$1 in=$2 out=$3
tmp="$out.tmp"
trap 'rm -f "$tmp"' EXIT
case $mode in
html)
    cmark=$4
    title=$(sed -n 's/^# //p;q' "$in")
    {
        printf '<!DOCTYPE html>\n<html lang="ja">\n<head>\n<meta charset="utf-8">\n'
        printf '<title>%s</title>\n' "$title"
        printf '<style>\n'
        printf 'body { max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.7;\n'
        printf '       font-family: "Meiryo", "MS PGothic", sans-serif; }\n'
        printf 'img { max-width: 100%%; border: 1px solid #ccc; }\n'
        printf 'table { border-collapse: collapse; } td, th { border: 1px solid #ccc; padding: .2em .5em; }\n'
        printf 'code, pre { background: #f4f4f4; } pre { padding: .5em; overflow-x: auto; }\n'
        printf '</style>\n</head>\n<body>\n'
        "$cmark" -e table -e autolink -t html "$in"
        printf '</body>\n</html>\n'
    } >"$tmp"
    ;;
text)
    sed -e 's/^!\[\(.*\)\](\(.*\))$/［図：\1（\2）］/' -e 's/$/\r/' "$in" |
        iconv -f UTF-8 -t CP932 >"$tmp"
    ;;
*)
    echo "guide-convert: unknown mode $mode" >&2
    exit 2
    ;;
esac
mv "$tmp" "$out"
trap - EXIT
