#!/usr/bin/env bash
# Reference-output test of the built-in languages: every file under input/LANG/
# is cut into tokens with `tessaly-syntax tokens --names --parser LANG`, and the
# dump (offset, length, value, style name, text) must equal reference/LANG/FILE.tokens.
#
#   check.sh TOOL               compare; prints a diff and fails on any change
#   check.sh TOOL --regenerate  write the references anew (review the diff!)
set -u
tool=${1:?usage: check.sh TESSALY_SYNTAX [--regenerate]}
mode=${2:-check}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
for input in "$here"/input/*/*; do
    lang=$(basename "$(dirname "$input")")
    name=$(basename "$input")
    ref="$here/reference/$lang/$name.tokens"
    out="$work/$lang-$name.tokens"
    if ! "$tool" tokens --names --parser "$lang" "$input" >"$out"; then
        echo "FAIL $lang/$name: the tool failed"
        failed=$((failed + 1))
        continue
    fi
    if [ "$mode" = "--regenerate" ]; then
        mkdir -p "$(dirname "$ref")"
        cp "$out" "$ref"
        echo "wrote $lang/$name.tokens"
        continue
    fi
    if [ ! -f "$ref" ]; then
        echo "FAIL $lang/$name: no reference (run check.sh TOOL --regenerate and review it)"
        failed=$((failed + 1))
    elif ! diff -u "$ref" "$out" >"$work/diff"; then
        echo "FAIL $lang/$name: tokens differ from the reference"
        head -n 40 "$work/diff"
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
done
[ "$mode" = "--regenerate" ] && exit 0
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
