#!/usr/bin/env bash
# Two runs of the built program started at the same moment on one data folder,
# PAIRS times: two "import --yes", or a "restore --yes" and an "import --yes".
# Each run completes with its own backup or is refused with the lock message;
# no backup is replaced; the backups and the employee file then hold the
# states one after the other: before both runs, after the first, after the
# last. Then a run killed with SIGKILL while it holds the lock blocks nobody.
# Usage: concurrency_test.sh DEMO_DIR PROGRAM [PAIRS]
set -u
demo=$1
program=$2
pairs=${3:-24}
source "$(dirname "$0")/common.sh"

inst="$work/inst"
data="$inst/ZentavoDaten/Data"
base="$work/base"
cp -r "$demo/." "$base"
printf '[Zentavo]\ndata_pfad=%s/\nlog_pfad=%s/\n' "$data" "$data/Logs" |
  "$program" encode >"$base/Zentavo Desk/Zentavo.dat"
csv_a="$base/Personallader/Mitarbeiter.csv"
csv_b="$work/b.csv"
sed -e 's/^Berger, Anna;aberger;/Bergmann, Anna;aberger;/' "$csv_a" >"$csv_b"

fresh() {
  rm -rf "$inst"
  cp -r "$base" "$inst"
}
run() {
  env -u PUBLIC ProgramFiles="$inst" USERNAME=tester LC_ALL=de_DE.UTF-8 "$program" "$@"
}
employees() { "$program" decode "$data/Mitarbeiterdaten.dat" | md5sum | cut -c1-32; }
# The employee data that the backup $1 saved.
saved_employees() {
  "$program" decode "$1" | awk '
    left > 0 { print; left--; next }
    take { left = substr($0, 2, length($0) - 2) + 0; take = 0; next }
    $0 == "[Mitarbeiterdaten.dat]" { take = 1 }' | md5sum | cut -c1-32
}

# The employee data after each kind of run alone; a restore brings back the old state.
fresh
declare -A result=([restore]=$(employees))
run import --yes "$csv_a" >/dev/null || fail "import a alone"
result[a]=$(employees)
restore_from="$work/before.dat"
cp "$data/Backups/"*.dat "$restore_from"
fresh
run import --yes "$csv_b" >/dev/null || fail "import b alone"
result[b]=$(employees)

for ((pair = 1; pair <= pairs; pair++)); do
  fresh
  kinds=(a b)
  ((pair % 2)) || kinds=(restore a)
  pids=()
  for kind in "${kinds[@]}"; do
    if [ "$kind" = restore ]; then
      run restore --yes "$restore_from" >"$work/out_$kind" 2>&1 &
    else
      csv=$csv_a
      [ "$kind" = b ] && csv=$csv_b
      run import --yes "$csv" >"$work/out_$kind" 2>&1 &
    fi
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
  states+=("$(employees)")
  [ "${states[0]}" = "${result[restore]}" ] || fail "pair $pair: the first backup missed the old state"
  [ "$(printf '%s\n' "${states[@]:1}" | sort)" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
    fail "pair $pair: the later states are not the runs' results one after the other"
done

# A run waiting at the overwrite question holds the lock; killed, it blocks nobody.
fresh
mkfifo "$work/answers"
run <"$work/answers" >"$work/held_out" 2>&1 &
holder=$!
exec 3>"$work/answers"
printf '2\n%s\n3\n\n4\n' "$csv_b" >&3
for ((i = 0; i < 50; i++)); do
  grep -qF "Es sind bereits Mitarbeiterdaten vorhanden." "$work/held_out" && break
  sleep 0.1
done
[ -e "$data/.personallader.lock" ] || fail "the waiting run holds no lock"
kill -KILL "$holder"
wait "$holder" 2>/dev/null
exec 3>&-
out=$(run import --yes "$csv_a" 2>&1)
status=$?
[ "$status" -eq 0 ] && [ "$(employees)" = "${result[a]}" ] || fail "after a killed holder: status $status: $out"

echo "concurrency: $failures failure(s)"
[ "$failures" -eq 0 ]
