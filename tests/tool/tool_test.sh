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

# find: offsets count a line break as one character.
printf 'Alpha beta alphabet\r\nbeta ALPHA\r\n' > "$work/find.txt"
f() { "$tool" find "$@" "$work/find.txt"; }
check "find: plain, any case" '[ "$(f alpha)" = "0 5" ]'
check "find: matching case" '[ "$(f --case alpha)" = "11 16" ]'
check "find: whole words" '[ "$(f --word --from 1 alpha)" = "25 30" ]'
check "find: whole words with case finds none" '[ "$(f --word --case alpha)" = "not found" ]'
check "find: upward from the end" '[ "$(f --up beta)" = "20 24" ]'
check "find: upward from an offset" '[ "$(f --up --from 12 beta)" = "6 10" ]'
check "find: from an offset" '[ "$(f --from 6 alpha)" = "11 16" ]'
f --regex 'b(e)ta' > "$work/re.txt"
check "find: regular expression" '[ "$(head -1 "$work/re.txt")" = "6 10" ]'
check "find: recorded positions run from the start to the end" 'grep -Eq "^positions 6( [0-9]+)* 10$" "$work/re.txt"'
check "find: count" '[ "$(f --count beta)" = "2" ] && [ "$(f --count --regex "[a-z]+")" = "4" ]'
f --regex 'b(e)ta' --replace-all '[%1]' | tr -d '\r' > "$work/ra.txt"
check "find: replace all with references" '[ "$(head -1 "$work/ra.txt")" = "Alpha [b] alphabet" ]'
check "find: replace all keeps the rest" '[ "$(sed -n 2p "$work/ra.txt")" = "[b] ALPHA" ] && [ "$(wc -l < "$work/ra.txt")" -eq 2 ]'
f --regex 'a(' 2> "$work/bad.txt" > /dev/null; status=$?
check "find: a bad pattern gives the message and status 1" '[ $status -eq 1 ] && [ -s "$work/bad.txt" ]'
f --stats alpha 2> "$work/fstats.txt" > /dev/null
check "find: stats line" 'grep -Eq "^load_ms=[0-9]+ search_ms=[0-9]+$" "$work/fstats.txt"'
echo "$((26 - fails)) passed, $fails failed"
[ $fails -eq 0 ]
