#!/usr/bin/env bash
# Smoke test of the built terminal program: its command line, decode and
# encode, and one import into a copy of the demo planner installation. The
# commands' scenarios are tests/console/, run in-process.
# Usage: wizard_test.sh DEMO_DIR PROGRAM (PERSONALLADER_VERSION and
# PERSONALLADER_COMMIT say what --version must say)
set -u
demo=$1
program=$2
source "$(dirname "$0")/common.sh"
known="$(dirname "$0")/../data/written_by_other_program"

inst="$work/inst"
data="$inst/ZentavoDaten/Data"
cp -r "$demo/." "$inst"
printf '[Zentavo]\ndata_pfad=%s/\nlog_pfad=%s/\n' "$data" "$data/Logs" |
  "$program" encode >"$inst/Zentavo Desk/Zentavo.dat"
run() {
  env -u PUBLIC ProgramFiles="$inst" USERNAME=tester LC_ALL=de_DE.UTF-8 "$program" "$@"
}

out=$(run --reprot 2>&1 >/dev/null)
[ $? -eq 2 ] || fail "unknown option: status"
[ "$out" = $'personallader: unbekannte Option \'--reprot\'\nHilfe: personallader --help' ] ||
  fail "mistake lines: $out"
for help in help --help -h "/?" "check --help"; do
  out=$(set -f && run $help)
  [ $? -eq 0 ] && [[ $out == Aufruf:* ]] || fail "$help shows the help"
done
version="Personallader $PERSONALLADER_VERSION, deutsche Ausgabe${PERSONALLADER_COMMIT:+, Commit $PERSONALLADER_COMMIT}"
[ "$(run --version)" = "$version" ] || fail "--version: $(run --version)"

# Another program's planner file decodes to its known text; encoded anew, with
# other keys from 32 to 254 and CR LF line ends, it decodes to the same.
run decode "$known.dat" | cmp -s - "$known.txt" || fail "decode of another program's file"
run encode <"$known.txt" >"$work/encoded.dat"
run decode "$work/encoded.dat" | cmp -s - "$known.txt" || fail "encode/decode round trip"
[ "$(grep -c $'\r$' "$work/encoded.dat")" -eq "$(wc -l <"$known.txt")" ] || fail "CR LF line ends"
cmp -s "$work/encoded.dat" "$known.dat" && fail "encode chose the same keys"
LC_ALL=C awk 'BEGIN { for (i = 0; i < 256; i++) code[sprintf("%c", i)] = i }
  { key = code[substr($0, 1, 1)]; if (key < 32 || key > 254) bad = 1 }
  END { exit bad }' "$work/encoded.dat" || fail "keys from 32 to 254"
# Several files are headed by their names; a file that is not scrambled names
# itself and its line, and nothing of it is printed; a missing file fails too.
[ "$(run decode "$known.dat" "$work/encoded.dat" | grep -c '^==> .* <==$')" -eq 2 ] || fail "headings"
printf 'first line\r\n\r\nthird\r\n' >"$work/plain.txt"
out=$(run decode "$work/plain.txt" 2>&1)
[ $? -eq 1 ] && [ "$out" = "Datei '$work/plain.txt', Zeile 2: keine verschlüsselte Zeile einer Planerdatei" ] ||
  fail "decode of a plain file: $out"
run decode "$work/missing.dat" 2>/dev/null
[ $? -eq 1 ] || fail "decode of a missing file"
printf 'caf\xe9\n' | run encode >/dev/null 2>&1
[ $? -eq 1 ] || fail "encode refuses input that is not UTF-8"

out=$(run import --yes "$inst/Personallader/Mitarbeiter.csv")
[ $? -eq 0 ] || fail "import: $out"
"$program" decode "$data/Mitarbeiterdaten.dat" | cmp -s - "$(dirname "$0")/../data/demo_after_import.txt" ||
  fail "imported employee data"

echo "wizard: $failures failure(s)"
[ "$failures" -eq 0 ]
