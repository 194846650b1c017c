#!/usr/bin/env bash
# Times "personallader import --yes" of 32,767 rows into a data folder of about
# 50 MB of planner files, and reports the peak memory.
# Usage: bench/import_bench.sh PROGRAM [FOLDER]
set -euo pipefail
program=$1
work=$(mktemp -d "${2:-${TMPDIR:-/tmp}}/import-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
data="$work/Data"
mkdir -p "$data/Logs"

# Planner files: configuration, employees, 20 data files and 12 log books.
printf '%s\n' "[Zentavo]" "a" "b" "[Firma]" "Bench" "c" "[Settings]" "$(printf '0%.0s' {1..40})" \
  "d" "[Administratoren]" "NoAdmins" | "$program" encode >"$data/Konfigdaten.dat"
printf '%s\n' "[Mitarbeiterdaten]" "99999999" "0" \
  "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:Alt:alt" |
  "$program" encode >"$data/Mitarbeiterdaten.dat"
line() { awk -v n="$1" -v tag="$2" 'BEGIN { for (i = 0; i < n; i++)
  printf "%s %06d|Eintrag mit etwas Text, wie ihn der Planer schreibt: Urlaub genehmigt\n", tag, i }'; }
for i in $(seq 1 20); do line 10000 "D$i" | "$program" encode >"$data/Teil${i}Data.dat"; done
for m in $(seq -w 1 12); do line 36000 "L$m" | "$program" encode >"$data/Logs/25$m Zentavo.log"; done

awk 'BEGIN { print "Name;Kennung;Von;Bis;Rest;A1;A2;A3;A4;Sonder"
  for (i = 1; i <= 32767; i++)
    printf "Mitarbeiter %d;user%d;01.01.2020;31.12.2030;2,5;30;30;30;30;1\n", i, i }' >"$work/rows.csv"

size=$(du -sm "$data" | cut -f1)
echo "data folder: ${size} MB, import file: $(du -k "$work/rows.csv" | cut -f1) KB, 32767 rows"
/usr/bin/time -f "import --yes: %e s wall, %M KB peak memory" \
  env -u PUBLIC ProgramFiles="$work/none" LC_ALL=de_DE.UTF-8 USERNAME=bench \
  "$program" import --yes --data "$data" "$work/rows.csv" >/dev/null
