#!/usr/bin/env bash
# End-to-end test of "personallader decode" and "personallader encode" as built
# programs. Usage: planner_file_tool_test.sh DATA_DIR PROGRAM [RUNNER...]
# (RUNNER runs a Windows program under Wine.)
set -u
data=$1
shift
program=("$@")
[ "${#program[@]}" -gt 1 ] && program=("${@:2}" "$1")
source "$(dirname "$0")/common.sh"

run() { "${program[@]}" "$@"; }
# Wine passes Windows line ends through on the console.
plain() { tr -d '\r'; }

# A planner file written by another program decodes to its known text.
cp "$data/written_by_other_program.dat" "$work/other.dat"
run decode "$work/other.dat" | plain >"$work/decoded.txt"
cmp -s "$work/decoded.txt" "$data/written_by_other_program.txt" || fail "decode of another program's file"

# Encoding that text and decoding it again gives it back; every line is scrambled.
run encode <"$data/written_by_other_program.txt" >"$work/encoded.dat"
run decode "$work/encoded.dat" | plain >"$work/again.txt"
cmp -s "$work/again.txt" "$data/written_by_other_program.txt" || fail "encode/decode round trip"
lines=$(wc -l <"$data/written_by_other_program.txt")
[ "$(grep -c $'\r$' "$work/encoded.dat")" -eq "$lines" ] || fail "encoded lines end with CR LF"
cmp -s "$work/encoded.dat" "$data/written_by_other_program.dat" && fail "encode chose the same keys"
LC_ALL=C awk 'BEGIN { for (i = 0; i < 256; i++) code[sprintf("%c", i)] = i }
  { key = code[substr($0, 1, 1)]; if (key < 32 || key > 254) bad = 1 }
  END { exit bad }' "$work/encoded.dat" || fail "keys from 32 to 254"

# A file that is not scrambled names itself and its line, and prints nothing else.
printf 'first line\r\n\r\nthird\r\n' >"$work/plain.txt"
out=$(run decode "$work/plain.txt" 2>"$work/err.txt")
status=$?
[ "$status" -eq 1 ] || fail "decode of a plain file: status $status"
[ -z "$out" ] || fail "decode of a plain file printed: $out"
grep -q "plain.txt.*2" "$work/err.txt" || fail "message names file and line: $(cat "$work/err.txt")"

# Several files are headed by their names.
run decode "$work/other.dat" "$work/encoded.dat" | plain >"$work/both.txt"
[ "$(grep -c '^==> .* <==$' "$work/both.txt")" -eq 2 ] || fail "headings of several files"

printf 'caf\xe9\n' | run encode >/dev/null 2>&1
[ $? -eq 1 ] || fail "encode refuses input that is not UTF-8"
run --help >/dev/null || fail "--help"
version="Personallader $PERSONALLADER_VERSION, deutsche Ausgabe${PERSONALLADER_COMMIT:+, Commit $PERSONALLADER_COMMIT}"
[ "$(run --version | plain)" = "$version" ] || fail "--version: $(run --version)"
run decode "$work/missing.dat" >/dev/null 2>&1
[ $? -eq 1 ] || fail "missing file"

echo "planner file tool: $failures failure(s)"
[ "$failures" -eq 0 ]
