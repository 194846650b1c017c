#!/usr/bin/env bash
# Two runs of the built program started at the same moment on one data folder,
# PAIRS times: two "import --yes", or a "restore --yes" and an "import --yes".
# Each run completes with its own backup or is refused with the lock message;
# no backup is replaced; each backup holds the employee data before its run,
# and the employee file is the result of the run that completed last. Then a
# run that holds the lock (at the interactive overwrite question) refuses a
# second run, and killed with SIGKILL blocks nobody.
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
locked="In diesem Datenordner läuft gerade ein anderer Import oder eine Wiederherstellung"

fresh() {
  rm -rf "$inst"
  cp -r "$base" "$inst"
}
run() {
  env -u PUBLIC ProgramFiles="$inst" USERNAME=tester LC_ALL=de_DE.UTF-8 "$program" "$@"
}
employees() { "$program" decode "$data/Mitarbeiterdaten.dat"; }
# The employee data that the backup $1 saved.
saved_employees() {
  "$program" decode "$1" | awk '
    left > 0 { print; left--; next }
    take { left = substr($0, 2, length($0) - 2) + 0; take = 0; next }
    $0 == "[Mitarbeiterdaten.dat]" { take = 1 }'
}

# What each run leaves alone: the employee data after it.
fresh
result_0=$(employees)
run import --yes "$csv_a" >/dev/null || fail "import a alone"
result_a=$(employees)
restore_from="$work/before.dat"
cp "$data/Backups/"*.dat "$restore_from"
fresh
run import --yes "$csv_b" >/dev/null || fail "import b alone"
result_b=$(employees)
[ "$result_a" != "$result_b" ] && [ "$result_a" != "$result_0" ] || fail "distinct results"

# The employee data after a run of kind $1 alone: a restore brings back the old state.
result_of() {
  local name="result_$1"
  [ "$1" = restore ] && name=result_0
  echo "${!name}"
}

runs=0 completed=0 refused=0 backups=0
for ((pair = 1; pair <= pairs; pair++)); do
  fresh
  if ((pair % 2)); then
    kinds=(a b)
  else
    kinds=(restore a)
  fi
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
  done_kinds=()
  for i in 0 1; do
    wait "${pids[$i]}"
    status=$?
    kind=${kinds[$i]}
    runs=$((runs + 1))
    if [ "$status" -eq 0 ] && grep -qE "erfolgreich (importiert|wiederhergestellt)" "$work/out_$kind"; then
      completed=$((completed + 1))
      done_kinds+=("$kind")
    elif [ "$status" -eq 1 ] && grep -qF "$locked" "$work/out_$kind"; then
      refused=$((refused + 1))
    else
      fail "pair $pair, $kind: status $status: $(cat "$work/out_$kind")"
    fi
  done
  files=("$data/Backups/"*.dat)
  [ -e "${files[0]}" ] || files=()
  backups=$((backups + ${#files[@]}))
  [ "${#files[@]}" -eq "${#done_kinds[@]}" ] || fail "pair $pair: ${#files[@]} backups, ${#done_kinds[@]} runs done"
  # Names sort by time: the first backup saved the state before both runs.
  [ "${#files[@]}" -ge 1 ] && [ "$(saved_employees "${files[0]}")" = "$result_0" ] ||
    fail "pair $pair: the first backup does not hold the old state"
  final=$(employees)
  if [ "${#done_kinds[@]}" -eq 1 ]; then
    [ "$final" = "$(result_of "${done_kinds[0]}")" ] || fail "pair $pair: the employee file is not the run's result"
  elif [ "${#files[@]}" -eq 2 ]; then
    # The later backup holds the first run's result; the file is the other's.
    between=$(saved_employees "${files[1]}")
    if [ "$between" = "$(result_of "${done_kinds[0]}")" ]; then
      last=${done_kinds[1]}
    elif [ "$between" = "$(result_of "${done_kinds[1]}")" ]; then
      last=${done_kinds[0]}
    else
      fail "pair $pair: the second backup mixes states"
      continue
    fi
    [ "$final" = "$(result_of "$last")" ] || fail "pair $pair: the employee file is not the last run's result"
  fi
done
echo "concurrency: $runs runs in $pairs pairs: $completed completed, $refused refused, $backups backups"

# A run that waits at the overwrite question holds the lock: a second run is
# refused after its wait and changes nothing.
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
before=$(cd "$inst" && find . -type f -exec md5sum {} + | sort)
out=$(run import --yes "$csv_a" 2>&1)
status=$?
[ "$status" -eq 1 ] && grep -qF "$locked" <<<"$out" || fail "held lock: status $status: $out"
[ "$(cd "$inst" && find . -type f -exec md5sum {} + | sort)" = "$before" ] || fail "a refused run changed files"

# Killed while it holds the lock, the holder leaves nothing that blocks.
kill -KILL "$holder"
wait "$holder" 2>/dev/null
exec 3>&-
out=$(run import --yes "$csv_a" 2>&1)
status=$?
[ "$status" -eq 0 ] && [ "$(employees)" = "$result_a" ] || fail "after a killed holder: status $status: $out"

echo "concurrency: $failures failure(s)"
[ "$failures" -eq 0 ]
