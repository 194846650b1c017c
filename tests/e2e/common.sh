# Sourced by the end-to-end scripts: a scratch folder removed on exit, and
# failures counted so that a script reports all of them before it fails.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
