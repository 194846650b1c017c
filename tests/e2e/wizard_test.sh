#!/usr/bin/env bash
# End-to-end test of the wizard of the built terminal program, interactive and
# as batch commands, on copies of the demo planner installation.
# Usage: wizard_test.sh DEMO_DIR PROGRAM
set -u
demo=$1
program=$2
source "$(dirname "$0")/common.sh"
imported="$(dirname "$0")/../data/demo_after_import.txt"  # the employee data after the import

# A fresh copy of the demo installation in $inst, its settings naming its data folder.
fresh() {
  inst="$work/inst$((++copies))"
  cp -r "$demo/." "$inst"
  data="$inst/ZentavoDaten/Data"
  printf '[Zentavo]\ndata_pfad=%s/\nlog_pfad=%s/\n' "$data" "$data/Logs" |
    "$program" encode >"$inst/Zentavo Desk/Zentavo.dat"
  samples="$inst/Personallader"
}
copies=0

run() {
  env -u PUBLIC ProgramFiles="$inst" USERNAME=tester LC_ALL=de_DE.UTF-8 "$program" "$@"
}
decode() { "$program" decode "$@"; }
snapshot() { (cd "$inst" && find . -type f -exec md5sum {} + | sort); }

expect_status() {  # expected actual what
  [ "$2" -eq "$1" ] || fail "$3: status $2, expected $1"
}

# check: a clean file passes and changes nothing.
fresh
before=$(snapshot)
out=$(run check "$samples/Mitarbeiter.csv")
expect_status 0 $? "check of a clean file"
[ "$(snapshot)" = "$before" ] || fail "check changed files"

# --region names the regional settings, and check's first line shows them: in US
# order the German sample has faults. An unknown region is a wrong command line.
out=$(run check --region en-US "$samples/Mitarbeiter.csv")
expect_status 1 $? "check in US regional settings"
[ "$(head -n 1 <<<"$out")" = "Regionale Einstellungen: en-US (ändern mit --region)" ] ||
  fail "region line: $out"
run check --region xx-XX "$samples/Mitarbeiter.csv" 2>/dev/null
expect_status 2 $? "unknown region"

# check --report: the faults, one report line per question after the header,
# in UTF-8 with BOM. The messages themselves are the check's model tests.
out=$(run check --report "$work/faults.csv" "$samples/Mitarbeiter_mit_Fehlern.csv")
expect_status 1 $? "check with a faults report"
[ "$(grep -c "^Fehler in Zeile" <<<"$out")" -eq "$(($(wc -l <"$work/faults.csv") - 1))" ] ||
  fail "a report line for each question"
[ "$(head -n 1 "$work/faults.csv")" = $'\xEF\xBB\xBFZeile;Zeile in der Datei;Name;Spalte;Wert;Fehler\r' ] ||
  fail "report header: $(head -n 1 "$work/faults.csv")"
[ "$(snapshot)" = "$before" ] || fail "check --report changed the installation"

# A name that the code page cannot hold, and an empty report name: refused, nothing written.
out=$(run check --report "$work/Bericht_Łódź.csv" "$samples/Mitarbeiter.csv")
expect_status 2 $? "report named outside the code page"
grep -qF "benennen Sie die Datei um" <<<"$out" || fail "rename message: $out"
run check --report "" "$samples/Mitarbeiter.csv" 2>/dev/null
expect_status 2 $? "empty report name"
! ls "$work"/Bericht* 2>/dev/null || fail "a report was written"

# import --dry-run: the changes one by one, then the counts; nothing written.
sed -e 's/^Berger, Anna;aberger;01.01.2017;;5;/Berger, Anna;ABERGER;01.01.2017;;6;/' \
  -e '/soeztuerk/d' "$samples/Mitarbeiter.csv" >"$work/changed.csv"
out=$(run import --dry-run "$work/changed.csv")
expect_status 0 $? "dry run"
counts="Beim Import: neu 3, entfallen 1, geändert 1, unverändert 0"
expected="Prüfen der Importdaten fehlerfrei

$counts
Entfallen: Öztürk, Selin (soeztuerk)

~ Berger, Anna (ABERGER): Resturlaub 005,0 -> 006,0
+ Weiß, Jürgen (jweiss)
+ Lefèvre, Émile (elefevre)
+ Nowak, Piotr (Nowak, Piotr)
- Öztürk, Selin (soeztuerk)
$counts"
[ "$out" = "$expected" ] || fail "dry run output: $out"
[ "$(snapshot)" = "$before" ] || fail "a dry run changed files"
run import --dry-run --yes "$work/changed.csv" >/dev/null 2>&1
expect_status 2 $? "--dry-run with --yes"

# import: existing entries need --yes.
out=$(run import "$samples/Mitarbeiter.csv")
expect_status 1 $? "import over existing entries without --yes"
grep -qF "Es sind bereits Mitarbeiterdaten vorhanden." <<<"$out" || fail "overwrite question shown"
grep -qxF "Es wurde nichts importiert und nichts geändert. --yes bestätigt den Import." <<<"$out" ||
  fail "a declined import says so: $out"
[ "$(snapshot)" = "$before" ] || fail "a refused import changed files"

# import --yes: the new employee data file and one backup. What a backup and
# the log book hold is the crash-injection test's to check.
old_employees=$(decode "$data/Mitarbeiterdaten.dat")
run import --yes "$samples/Mitarbeiter.csv" >/dev/null
expect_status 0 $? "import --yes"
decode "$data/Mitarbeiterdaten.dat" | cmp -s - "$imported" || fail "new employee data file"
backups=("$data/Backups/"*" A.dat")
[ "${#backups[@]}" -eq 1 ] && [ -f "${backups[0]}" ] || fail "one backup file"

# backups and restore: the import's backup brings the old list back.
name=$(basename "${backups[0]}")
out=$(run backups)
expect_status 0 $? "backups"
grep -qE "^[0-9.]{10} [0-9:]{8}  A  2 Mitarbeiter  $name\$" <<<"$out" || fail "backup listed: $out"
before=$(snapshot)
out=$(run restore "$name")
expect_status 1 $? "restore without --yes"
grep -qxF "Es wurde nichts wiederhergestellt und nichts geändert. --yes bestätigt die Wiederherstellung." \
  <<<"$out" || fail "a declined restore says so: $out"
run restore --yes "missing.dat" >/dev/null
expect_status 2 $? "restore of no backup"
[ "$(snapshot)" = "$before" ] || fail "a refused restore changed files"
run restore --yes "$name" >/dev/null
expect_status 0 $? "restore --yes"
[ "$(decode "$data/Mitarbeiterdaten.dat")" = "$old_employees" ] || fail "restored employee data"

# Interactive: choose the file, check, import (answer Yes), close.
fresh
printf '2\n%s\n3\n\n4\nj\n\n5\n' "$samples/Mitarbeiter.csv" | run >"$work/session.txt"
expect_status 0 $? "interactive session"
grep -qF "[>] Schritt 2: Importdatei auswählen" "$work/session.txt" || fail "interactive starts at step 2"
grep -qF "[x] Schritt 4: Mitarbeiterdaten importieren" "$work/session.txt" || fail "interactive ends done"
decode "$data/Mitarbeiterdaten.dat" | cmp -s - "$imported" || fail "interactive import"

# Interactive in the samples' folder: a bare file name, a choice not shown, No
# to the overwrite question, then the numbered backups and No to the restore.
before=$(snapshot)
(cd "$samples" && printf '2\nMitarbeiter.csv\n3\n\n9\n4\n\n6\n1\n\n5\n' | run) >"$work/no.txt"
for line in "Keine gültige Auswahl: '9'; wählen Sie eine der gezeigten Nummern." \
  "Es wurde nichts importiert und nichts geändert." \
  "Es wurde nichts wiederhergestellt und nichts geändert."; do
  grep -qxF "$line" "$work/no.txt" || fail "after a No: $line"
done
grep -qE "^  1  [0-9.]{10} [0-9:]{8}  A  " "$work/no.txt" || fail "numbered backups"
[ "$(snapshot)" = "$before" ] || fail "a No changed files"

# A mistake in the command line: the mistake and where the help is, nothing else.
out=$(run --reprot 2>&1 >/dev/null)
expect_status 2 $? "unknown option"
[ "$out" = $'personallader: unbekannte Option \'--reprot\'\nHilfe: personallader --help' ] ||
  fail "mistake lines: $out"
for help in help -h "/?" "check --help"; do
  out=$(set -f && run $help)
  expect_status 0 $? "$help"
  [[ $out == Aufruf:* ]] || fail "$help shows the help"
done

# A data folder from the command line; without it and the settings, the
# malformed-input table's row ends the run.
fresh
rm "$inst/Zentavo Desk/Zentavo.dat"
run check --data "$inst/ZentavoDaten" "$samples/Mitarbeiter.csv" >/dev/null
expect_status 0 $? "data folder found below --data"
run check --yes "$samples/Mitarbeiter.csv" >/dev/null 2>&1
expect_status 2 $? "--yes belongs to import"
timeout 20 env -u PUBLIC ProgramFiles="$inst" USERNAME=tester LC_ALL=de_DE.UTF-8 \
  "$program" check --data "$inst/ZentavoDaten" /dev/zero >/dev/null
expect_status 2 $? "a device as the import file"

# --data: the named installation's own log folder, nothing of the settings' one.
fresh
other="$work/other"
cp -r "$demo/ZentavoDaten" "$other"
before=$(snapshot)
run import --yes --data "$other/Data" "$samples/Mitarbeiter.csv" >/dev/null
expect_status 0 $? "import into --data"
[ "$(snapshot)" = "$before" ] || fail "--data touched the installation of the settings"
decode "$other/Data/Logs/$(date +%y%m) Zentavo.log" | grep -qF "Mitarbeiterdaten importiert" ||
  fail "--data writes its own log book"

echo "wizard: $failures failure(s)"
[ "$failures" -eq 0 ]
