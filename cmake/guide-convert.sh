#!/bin/sh
# Turns the guide's Markdown (UTF-8) into what the release zip holds:
#   html IN OUT CMARK  - a page of its own (UTF-8) with the pictures beside it in images/; its
#                        目次 and every cross-reference (「（13章）」, 「（7.9）」) are links
#   text IN OUT        - code page 932 with CR LF, for any Japanese Windows editor; a picture
#                        becomes a line naming it, the 目次 lines of text
# A character code page 932 lacks fails the conversion rather than vanishing from the text.
set -eu
mode=$1 in=$2 out=$3
tmp="$out.tmp"
trap 'rm -f "$tmp"' EXIT

# The guide with its 目次 before the first chapter: every numbered chapter ("## 7. ...") and
# section ("### 7.8 ..."). With links=1 its entries and the cross-references outside code link
# to the headings, chapter 7 as #ch7 and section 7.8 as #s7-8.
with_contents() { # links
    awk -v links="$1" '
    function id(num, a) { a = num; return sub(/\./, "-", a) ? "s" a : "ch" a }
    function ref(text, num) { return links ? "[" text "](#" id(num) ")" : text }
    function refs(s, out, m, num, pre, post) {
        out = ""
        while (match(s, /[0-9]+章|（[0-9]+\.[0-9]+）|。[0-9]+\.[0-9]+）/)) {
            out = out substr(s, 1, RSTART - 1)
            m = substr(s, RSTART, RLENGTH)
            s = substr(s, RSTART + RLENGTH)
            match(m, /[0-9]+(\.[0-9]+)?/)
            num = substr(m, RSTART, RLENGTH)
            pre = substr(m, 1, RSTART - 1)
            post = substr(m, RSTART + RLENGTH)
            out = out pre (post == "章" ? ref(num post, num) : ref(num, num) post)
        }
        return out s
    }
    # The text between backquotes is code: left as it is.
    function linked(line, n, i, parts, out) {
        n = split(line, parts, "`")
        out = ""
        for (i = 1; i <= n; i++)
            out = out (i > 1 ? "`" : "") (i % 2 ? refs(parts[i]) : parts[i])
        return out
    }
    FNR == 1 { fenced = 0 }
    /^ *```/ { fenced = !fenced }
    NR == FNR {
        if (fenced)
            next
        if (match($0, /^## [0-9]+\. /))
            toc[n++] = "- " ref(substr($0, 4), substr($0, 4, RLENGTH - 5))
        else if (match($0, /^### [0-9]+\.[0-9]+ /))
            toc[n++] = "  - " ref(substr($0, 5), substr($0, 5, RLENGTH - 5))
        next
    }
    !fenced && !done && /^## / {
        print "## 目次\n"
        for (i = 0; i < n; i++)
            print toc[i]
        print "\n"
        done = 1
    }
    { print (links && !fenced ? linked($0) : $0) }
    ' "$in" "$in"
}

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
        with_contents 1 | "$cmark" -e table -e autolink -t html |
            sed -e 's|^<h2>\([0-9][0-9]*\)\. |<h2 id="ch\1">\1. |' \
                -e 's|^<h3>\([0-9][0-9]*\)\.\([0-9][0-9]*\) |<h3 id="s\1-\2">\1.\2 |'
        printf '</body>\n</html>\n'
    } >"$tmp"
    ;;
text)
    with_contents 0 | sed -e 's/^!\[\(.*\)\](\(.*\))$/［図：\1（\2）］/' -e 's/$/\r/' |
        iconv -f UTF-8 -t CP932 >"$tmp"
    ;;
*)
    echo "guide-convert: unknown mode $mode" >&2
    exit 2
    ;;
esac
mv "$tmp" "$out"
trap - EXIT
