#!/usr/bin/env bash
# What only real processes show; the in-process crash test fails and kills the
# runs at every file operation already.
# 1. "import --yes" killed by SIGKILL (sent by strace) at each file operation
#    of a clean run: every planner file is the old or the complete new one,
#    a backup is complete, nothing is listed that the planner would read, and
#    the next import finds the lock released.
# 2. Two runs started at once, PAIRS times (two imports, or a restore and an
#    import): each completes or is refused with the lock message, and the
#    backups and the employee file hold the states one after the other.
# Usage: processes_test.sh DEMO_DIR PROGRAM [PAIRS]
set -u
demo=$1
program=$2
pairs=${3:-24}
source "$(dirname "$0")/common.sh"
command -v strace >/dev/null || { echo "processes: strace is missing"; exit 1; }

inst="$work/inst"
data="$inst/ZentavoDaten/Data"
base="$work/base"
old="$base/ZentavoDaten/Data"
log="Logs/$(date +%y%m) Zentavo.log"
cp -r "$demo/." "$base"
printf '[Zentavo]\ndata_pfad=%s/\nlog_pfad=%s/\n' "$data" "$data/Logs" |
  "$program" encode >"$base/Zentavo Desk/Zentavo.dat"
# A log book of this month, appended to in place.
printf '01.11.26 08:00:00|tester|ZentaAdmin|Start\n' | "$program" encode >"$old/$log"
# A fraction of a leave raises the flag, so that the configuration is rewritten too.
sed -e '/^Berger/s/;30;30;30;30;0/;30,5;30;30;30;0/' "$base/Personallader/Mitarbeiter.csv" >"$work/a.csv"
sed -e 's/^Berger, Anna;/Bergmann, Anna;/' "$work/a.csv" >"$work/b.csv"

fresh() { rm -rf "$inst" && cp -r "$base" "$inst"; }
in_inst() { env -u PUBLIC ProgramFiles="$inst" USERNAME=tester LC_ALL=de_DE.UTF-8 "$@"; }
run() { in_inst "$program" "$@"; }
# A planner file's plain text, without the log book's times.
text() { "$program" decode "$1" 2>/dev/null | sed -e 's/^[0-9. :]*|/|/'; }
listing() { (cd "$1" && ls -- *.dat Logs/*.log); }

# 1. The clean run names each file operation by its call and its count among
# the calls of its kind; its files are the new ones.
fresh
in_inst strace -o "$work/trace" -e trace=write,fsync,rename,renameat2,unlink,mkdir \
  "$program" import --yes "$work/a.csv" >/dev/null || fail "clean import: status $?"
awk -F'(' '/^[a-z]/ { print $1, ++count[$1] }' "$work/trace" >"$work/operations"
for file in Konfigdaten.dat Mitarbeiterdaten.dat "$log"; do text "$data/$file" >"$work/new_${file##*/}"; done
text "$data/Backups/"*.dat >"$work/backup"
cmp -s "$work/new_Konfigdaten.dat" <(text "$old/Konfigdaten.dat") && fail "the fraction flag did not change"

while read -r call number; do
  what="kill at $call $number"
  fresh
  { in_inst strace -o /dev/null -e trace="$call" -e inject="$call:signal=KILL:when=$number" \
    "$program" import --yes "$work/a.csv" >/dev/null; } 2>/dev/null
  [ $? -eq 137 ] || fail "$what: not killed"
  for file in KalenderData.dat Konfigdaten.dat Mitarbeiterdaten.dat "$log"; do
    cmp -s "$data/$file" "$old/$file" || { [ "$file" != KalenderData.dat ] &&
      text "$data/$file" | cmp -s - "$work/new_${file##*/}"; } || fail "$what: $file is damaged"
  done
  for file in "$data/Backups/"*.dat; do
    [ ! -e "$file" ] || text "$file" | cmp -s - "$work/backup" || fail "$what: $file is incomplete"
  done
  [ "$(listing "$data")" = "$(listing "$old")" ] || fail "$what: listed $(listing "$data")"
  run import --yes "$work/a.csv" >/dev/null || fail "$what: the next import, status $?"
done <"$work/operations"

# 2. The employee data after each kind of run alone; a restore brings back the old state.
employees() { text "$1" | md5sum; }
saved_employees() {  # the employee data that the backup $1 saved
  text "$1" | awk 'left > 0 { print; left--; next }
    take { left = substr($0, 2, length($0) - 2) + 0; take = 0; next }
    $0 == "[Mitarbeiterdaten.dat]" { take = 1 }' | md5sum
}
declare -A result=([restore]=$(employees "$old/Mitarbeiterdaten.dat"))
for kind in a b; do
  fresh
  run import --yes "$work/$kind.csv" >/dev/null || fail "import $kind alone"
  result[$kind]=$(employees "$data/Mitarbeiterdaten.dat")
done
cp "$data/Backups/"*.dat "$work/before.dat"

for ((pair = 1; pair <= pairs; pair++)); do
  fresh
  kinds=(a b)
  ((pair % 2)) || kinds=(restore a)
  pids=()
  for kind in "${kinds[@]}"; do
    case $kind in
      restore) run restore --yes "$work/before.dat" ;;
      *) run import --yes "$work/$kind.csv" ;;
    esac >"$work/out_$kind" 2>&1 &
    pids+=($!)
  done
  expected=()
  for i in 0 1; do
    wait "${pids[$i]}"
    status=$?
    kind=${kinds[$i]}
    if [ "$status" -eq 0 ] && grep -qE "erfolgreich (importiert|wiederhergestellt)" "$work/out_$kind"; then
      expected+=("${result[$kind]}")
    elif [ "$status" -ne 1 ] || ! grep -qF "anderer Import oder eine Wiederherstellung" "$work/out_$kind"; then
      fail "pair $pair, $kind: status $status: $(cat "$work/out_$kind")"
    fi
  done
  # Backup names sort by time; each backup saved the state that its run found.
  states=()
  for file in "$data/Backups/"*.dat; do [ -e "$file" ] && states+=("$(saved_employees "$file")"); done
  [ "${#states[@]}" -eq "${#expected[@]}" ] || fail "pair $pair: ${#states[@]} backups, ${#expected[@]} runs done"
  states+=("$(employees "$data/Mitarbeiterdaten.dat")")
  [ "${states[0]}" = "${result[restore]}" ] || fail "pair $pair: the first backup missed the old state"
  [ "$(printf '%s\n' "${states[@]:1}" | sort)" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
    fail "pair $pair: the later states are not the runs' results one after the other"
done

echo "processes: $(wc -l <"$work/operations") kills, $pairs pairs, $failures failure(s)"
[ "$failures" -eq 0 ]
