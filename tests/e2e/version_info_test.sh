#!/usr/bin/env bash
# The version information of the built Windows programs, read back from their
# files. Usage: version_info_test.sh WINDRES VERSION WINDOW.exe PROGRAM.exe...
set -u
windres=$1
version=$2
shift 2
source "$(dirname "$0")/common.sh"

IFS=. read -r major minor patch <<<"$version"
for program in "$@"; do
  name=$(basename "$program")
  info=$("$windres" -i "$program" -O rc) || fail "$name: no resources"
  for expected in " FILEVERSION $major, $minor, $patch, 0" 'BLOCK "040704B0"' \
    "\"FileVersion\", \"$version\"" "\"ProductVersion\", \"$version\"" \
    '"ProductName", "Personallader"' "\"OriginalFilename\", \"$name\"" \
    '"LegalCopyright", "Copyright (C) 2026 Personallader developers"' \
    '"FileDescription", "Mitarbeiterdaten in den Zentavo-Kalender importieren'; do
    grep -qF -- "$expected" <<<"$info" || fail "$name: $expected"
  done
done

# The window's manifest, the first program's, names the same version.
grep -aqF "name=\"Personallader\" version=\"$version.0\"" "$1" || fail "manifest: not $version.0"

echo "version information: $failures failure(s)"
[ "$failures" -eq 0 ]
