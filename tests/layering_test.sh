#!/usr/bin/env bash
# What the build cannot see of the layering: each layer is a library that
# links only the layers below it, so a call upwards does not link, but an
# include of a header above (a type, an inline function) would still compile.
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

# The layers from the top down; each may include only those after it.
layers=(wizard importfile hostfiles startup platform)
for i in "${!layers[@]}"; do
  above=$(IFS='|'; echo "${layers[*]:0:i}")
  [ -n "$above" ] && forbid "${layers[i]} includes a layer above it" "#include \"($above)/" \
    "src/${layers[i]}"
done
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
