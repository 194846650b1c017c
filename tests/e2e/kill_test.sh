#!/usr/bin/env bash
# Hard kills of "personallader import --yes" on a data folder of several MB.
# A clean run lists the program's file operations; then runs are killed
# (SIGKILL, sent by strace) at SPREAD of them spread evenly up to the end of
# the backup, and at each one after it.
# After each kill every planner file is the old one or the complete new one,
# every backup is complete, nothing that the planner would list is left over,
# and a second import completes the work.
# Usage: kill_test.sh DEMO_DIR PROGRAM [SPREAD]
set -u
demo=$1
program=$2
spread=${3:-8}
source "$(dirname "$0")/common.sh"

command -v strace >/dev/null || { echo "kill: strace is missing"; exit 1; }
inst="$work/inst"
data="$inst/ZentavoDaten/Data"
log_name="$(date +%y%m) Zentavo.log"
decode() { "$program" decode "$@"; }

# The old state in $work/base: the demo with a calendar of several MB, a log
# book of this month and a settings file that names them.
base="$work/base"
old="$base/ZentavoDaten/Data"
cp -r "$demo/." "$base"
awk 'BEGIN { for (i = 0; i < 50000; i++) printf "%06d:Urlaub:Eintrag mit Text für den Kalender der Verwaltung\n", i }' |
  "$program" encode >"$old/KalenderData.dat"
printf '01.11.26 08:00:00|tester|ZentaAdmin|Start\n' | "$program" encode >"$old/Logs/$log_name"
printf '[Zentavo]\ndata_pfad=%s/\nlog_pfad=%s/\n' "$data" "$data/Logs" |
  "$program" encode >"$base/Zentavo Desk/Zentavo.dat"
# Thousands of rows; the half days raise the fraction flag, so that the
# configuration file is rewritten too.
awk 'BEGIN { print "Name;Kennung;Von;Bis;Rest;A1;A2;A3;A4;Sonder"
  for (i = 0; i < 4000; i++) printf "Muster %04d, Erika;em%04d;01.01.2020;;2,5;27,5;30;30;30;0\r\n", i, i }' \
  >"$work/import.csv"
decode "$old/Logs/$log_name" >"$work/old_log"

fresh() {
  rm -rf "$inst"
  cp -r "$base" "$inst"
}
import() {  # [strace options]: the status of the import
  local tracer=()
  [ $# -eq 0 ] || tracer=(strace -o /dev/null "$@")
  # The braces keep the shell's own note of the kill out of the output.
  { env -u PUBLIC ProgramFiles="$inst" USERNAME=tester LC_ALL=de_DE.UTF-8 \
    "${tracer[@]}" "$program" import --yes "$work/import.csv" >/dev/null; } 2>/dev/null
}

# The clean run: its file operations and the complete new files.
calls=openat,read,write,fsync,rename,renameat2,link,unlink,mkdir
fresh
import -o "$work/trace" -e trace="$calls" || fail "clean import: status $?"
for file in Konfigdaten.dat Mitarbeiterdaten.dat; do decode "$data/$file" >"$work/new_$file"; done
decode "$old/Konfigdaten.dat" | cmp -s - "$work/new_Konfigdaten.dat" && fail "the fraction flag did not change"
entry='^[0-9]{2}\.[0-9]{2}\.[0-9]{2} [0-9:]{8}\|tester\|ZentaAdmin\|Mitarbeiterdaten importiert$'
# One line per operation: its call, its count among the calls of its kind and
# its phase. The backup begins with its folder and ends with its rename.
awk -F'(' '/^[a-z]/ {
    if ($1 == "mkdir" && /Backups/) phase = "during the backup"
    else if (phase == "") phase = "before the backup"
    print $1, ++count[$1], phase
    if ($1 ~ /^rename/ && /Backups/) phase = "after the backup"
  }' "$work/trace" >"$work/operations"
operations=$(wc -l <"$work/operations")
backup_end=$(grep -c -v "after the backup" "$work/operations")
moments=()
for ((i = 0; i < spread; i++)); do moments+=($((1 + i * (backup_end - 1) / (spread - 1)))); done
for ((line = backup_end + 1; line <= operations; line++)); do moments+=("$line"); done

# "old", "new" or "damaged": the planner file $1 against its old and new texts.
state_of() {
  local file=$1 name
  name=$(basename "$file")
  if cmp -s "$file" "$old/${file#"$data"/}"; then
    echo old
  elif [ "$name" = KalenderData.dat ]; then
    echo damaged
  elif [ "$name" = "$log_name" ]; then
    # The old entry and one more, or two after a second import.
    decode "$file" >"$work/log" 2>/dev/null
    if head -n 1 "$work/log" | cmp -s - "$work/old_log" && ! tail -n +2 "$work/log" | grep -qvE "$entry" &&
      [ "$(wc -l <"$work/log")" -ge 2 ] && [ "$(wc -l <"$work/log")" -le 3 ]; then
      echo new
    else
      echo damaged
    fi
  elif decode "$file" 2>/dev/null | cmp -s - "$work/new_$name"; then
    echo new
  else
    echo damaged
  fi
}

check_planner_files() {  # what
  local file
  for file in "$data/Konfigdaten.dat" "$data/Mitarbeiterdaten.dat" "$data/KalenderData.dat" \
    "$data/Logs/$log_name"; do
    [ "$(state_of "$file")" != damaged ] || fail "$1: $(basename "$file") is damaged"
  done
}

# Only the planner's own names for *.dat and *.log.
listing() { (cd "$1" && ls -- *.dat Logs/*.log); }
check_listing() {  # what
  [ "$(listing "$data")" = "$(listing "$old")" ] || fail "$1: listed $(listing "$data")"
}

# Every backup names each saved file with its full count of lines.
saved=$(listing "$old" | sed 's|^Logs/||' | paste -sd'|')
check_backups() {  # what
  local backup name
  for backup in "$data/Backups/"*.dat; do
    name=$(basename "$backup")
    [ -e "$backup" ] || continue
    [[ "$name" =~ ^[0-9]{6}\ [0-9]{6}\ A\.dat$ ]] || fail "$1: stray file $name"
    decode "$backup" 2>/dev/null | awk -v names="$saved" '
      NR == 1 { if ($0 != "[ZentavoBackup]") exit 1; next }
      left > 0 { left--; next }
      name == "" { name = $0; next }
      { seen[name] = 1; left = substr($0, 2, length($0) - 2) + 0; name = "" }
      END {
        if (left != 0 || name != "") exit 1
        split(names, all, "|")
        for (i in all) if (!(("[" all[i] "]") in seen)) exit 1
      }' || fail "$1: backup $name is incomplete"
  done
}

for line in "${moments[@]}"; do
  read -r call number _ < <(sed -n "${line}p" "$work/operations")
  what="kill at $call $number"
  fresh
  import -e trace="$call" -e inject="$call:signal=KILL:when=$number"
  status=$?
  [ "$status" -eq 137 ] || fail "$what: status $status, not killed"
  check_planner_files "$what"
  check_backups "$what"
  check_listing "$what"
  import || fail "$what: second import, status $?"
  for file in "$data/Konfigdaten.dat" "$data/Mitarbeiterdaten.dat" "$data/Logs/$log_name"; do
    [ "$(state_of "$file")" = new ] || fail "$what: second import left $(basename "$file") $(state_of "$file")"
  done
  check_listing "$what, second import"
done

echo "kill: ${#moments[@]} kills over $operations file operations"
echo "kill: $failures failure(s)"
[ "$failures" -eq 0 ]
