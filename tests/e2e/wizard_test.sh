#!/usr/bin/env bash
# Smoke test of the built terminal program: its command line, and one import
# into a copy of the demo planner installation. The commands' scenarios are
# tests/console/, run in-process.
# Usage: wizard_test.sh DEMO_DIR PROGRAM
set -u
demo=$1
program=$2
source "$(dirname "$0")/common.sh"

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
for help in help -h "/?" "check --help"; do
  out=$(set -f && run $help)
  [ $? -eq 0 ] && [[ $out == Aufruf:* ]] || fail "$help shows the help"
done

out=$(run import --yes "$inst/Personallader/Mitarbeiter.csv")
[ $? -eq 0 ] || fail "import: $out"
"$program" decode "$data/Mitarbeiterdaten.dat" | cmp -s - "$(dirname "$0")/../data/demo_after_import.txt" ||
  fail "imported employee data"

echo "wizard: $failures failure(s)"
[ "$failures" -eq 0 ]
