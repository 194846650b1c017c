#!/usr/bin/env bash
# The layering that the code's folders promise: fails on an include or a call
# that crosses a boundary the wrong way.
# Usage: layering_test.sh SOURCE_DIR
set -u
cd "$1" || exit 2
failures=0

report() {  # what hits
  [ -z "$2" ] && return
  echo "FAILED: $1:"
  echo "$2"
  failures=$((failures + 1))
}

forbid() {  # what pattern paths...
  local what=$1 pattern=$2
  shift 2
  report "$what" "$(grep -rnE --include='*.cpp' --include='*.h' "$pattern" "$@")"
}

core_outside_win32=(src/startup src/hostfiles src/importfile src/wizard src/platform/posix
  src/platform/*.h src/platform/*.cpp)
forbid "the core includes Windows headers outside src/platform/win32" \
  '#include <(windows|shellapi|shlobj|commctrl|commdlg)\.h>' "${core_outside_win32[@]}"
forbid "the core prints" \
  '(std::(cout|cerr|clog)|(^|[^a-z_])(f?printf|puts|perror)\()' src
forbid "the planner files include the import file or the wizard" \
  '#include "(importfile|wizard)/' src/hostfiles
forbid "the lower layers include the wizard" '#include "wizard/' src/startup src/importfile src/platform
forbid "the platform includes the core" '#include "(startup|hostfiles|importfile)/' src/platform

# Start-up lies below the planner files and the import file with one exception:
# the program's one record holds the last check. Nothing else points up.
report "start-up includes a layer above it" "$(
  grep -rnE --include='*.cpp' --include='*.h' '#include "(hostfiles|importfile)/' src/startup |
    grep -vE '^src/startup/program_state\.h:[0-9]+:#include "importfile/check_outcome\.h"$')"
forbid "the core includes a front-end" '#include "(console|win32ui|app)/' src

# The front-ends include their own headers without a folder: none may name the other's.
for pair in "app/console app/win32" "app/win32 app/console"; do
  set -- $pair
  for header in "$2"/*.h; do
    forbid "$1 includes $header" "#include \"$(basename "$header")\"" "$1"
  done
done

echo "layering: $failures failure(s)"
[ "$failures" -eq 0 ]
