#!/usr/bin/env bash
# Runs tessaly-syntax end to end: compile, dump, tokens, export, compress and
# the one-line errors for bad input.
set -u
tool=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
check() { # name, condition
    if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; fails=$((fails + 1)); fi
}

printf 'if x then /* c */ 12\r\n<?emit ?>' > "$work/in.txt"
"$tool" compile "$here/mini.syn" -o "$work/mini.parser"
check "compile writes a stored form" '[ -s "$work/mini.parser" ]'
"$tool" dump "$work/mini.parser" > "$work/dump1.txt"
check "dump prints the tables" 'grep -q . "$work/dump1.txt"'
"$tool" tokens --parser "$work/mini.parser" "$work/in.txt" > "$work/tokens.txt"
check "tokens: first keyword" '[ "$(head -1 "$work/tokens.txt")" = "0 2 1" ]'
check "tokens: a line break counts one" 'grep -q "^20 1 0$" "$work/tokens.txt"'
"$tool" tokens --parser "$here/mini.syn" "$work/in.txt" > "$work/tokens2.txt"
check "a script works as well as a stored form" 'cmp -s "$work/tokens.txt" "$work/tokens2.txt"'
"$tool" export --parser "$work/mini.parser" --format html "$work/in.txt" -o "$work/out.html" --stats 2> "$work/stats.txt"
check "export html" 'grep -q "&lt;?emit" "$work/out.html"'
check "export stats line" 'grep -Eq "^load_ms=[0-9]+ highlight_ms=[0-9]+ write_ms=[0-9]+$" "$work/stats.txt"'
"$tool" export --parser "$work/mini.parser" --format rtf "$work/in.txt" > "$work/out.rtf"
check "export rtf" 'grep -q "\\\\line" "$work/out.rtf"'
"$tool" compress --method lzhuf "$work/out.html" "$work/out.hzl" && "$tool" decompress "$work/out.hzl" "$work/back.html"
check "compress round trip" 'cmp -s "$work/out.html" "$work/back.html"'
"$tool" tokens --parser "$work/missing" "$work/in.txt" 2> "$work/err.txt"; status=$?
check "a missing parser is one error line and status 1" '[ $status -eq 1 ] && [ "$(wc -l < "$work/err.txt")" -eq 1 ]'
"$tool" decompress "$work/in.txt" "$work/x" 2> "$work/err2.txt"; status=$?
check "a bad container fails with status 1" '[ $status -eq 1 ] && [ "$(wc -l < "$work/err2.txt")" -eq 1 ]'
echo "$((11 - fails)) passed, $fails failed"
[ $fails -eq 0 ]
