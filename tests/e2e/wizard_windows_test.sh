#!/usr/bin/env bash
# End-to-end test of the terminal program as built for Windows, under Wine:
# encode and decode through the console, and an import on a copy of the demo
# planner installation whose settings lie in the VirtualStore, with Windows
# paths throughout.
# Usage: wizard_windows_test.sh DEMO_DIR RUNNER PROGRAM
set -u
demo=$1
runner=$2
program=$3
source "$(dirname "$0")/common.sh"
imported="$(dirname "$0")/../data/demo_after_import.txt"

# The test command's Wine prefix, or one of our own.
own_prefix=false
if [[ -z "${WINEPREFIX:-}" ]]; then
  export WINEPREFIX="$work/prefix" TMPDIR="$work"
  own_prefix=true
fi
store="$WINEPREFIX/drive_c/users/Public/AppData/Local/VirtualStore/Program Files/Zentavo Desk"
if [[ -e "$store" ]]; then
  echo "the Wine prefix has a planner installation already: $store"
  exit 1
fi
cleanup() {
  rm -rf "$store"
  if $own_prefix; then /usr/lib/wine/wineserver -w; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Wine passes Windows line ends through on the console.
run() {
  "$runner" "$program" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

cp -r "$demo/." "$work/inst"
data="$work/inst/ZentavoDaten/Data"
csv=$(windows_path "$work/inst/Personallader/Mitarbeiter.csv")
mkdir -p "$store"
# Encoded straight from the console: CR CR LF from an output in text mode
# would fail the import.
printf '[Zentavo]\ndata_pfad=%s\\\nlog_pfad=%s\\Logs\\\n' \
  "$(windows_path "$data")" "$(windows_path "$data")" | "$runner" "$program" encode >"$store/Zentavo.dat"

# The import runs the check first; its verdict shows the console's umlauts.
out=$(run import --yes "$csv")
[ $? -eq 0 ] || fail "import: status, output: $out"
grep -qx "Prüfen der Importdaten fehlerfrei" <<<"$out" || fail "check verdict: $out"
# One start of Wine for both files: each start takes seconds.
out=$(run decode "$(windows_path "$data/Mitarbeiterdaten.dat")" \
  "$(windows_path "$data/Logs/$(date +%y%m) Zentavo.log")")
[[ "$out" == *"$(cat "$imported")"* ]] || fail "imported employee data: $out"
grep -q "|Mitarbeiterdaten importiert$" <<<"$out" || fail "log book entry: $out"
[ -n "$(ls "$data/Backups/")" ] || fail "a backup"

echo "wizard under Wine: $failures failure(s)"
[ "$failures" -eq 0 ]
