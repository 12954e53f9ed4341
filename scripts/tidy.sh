#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy: bug-prone constructs, avoidable copies) on every C++ file
# that the build compiles; any warning fails. Needs a configured build directory
# (scripts/test.sh makes one). Usage: scripts/tidy.sh [BUILD] [FILE...]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
shift || true
[ -f "$BUILD/compile_commands.json" ] || { echo "V $BUILD chybí compile_commands.json: nejdřív sestavte (scripts/test.sh)." >&2; exit 2; }

if [ $# -gt 0 ]; then
  files=("$@")
else
  # Only what the build compiles (the benchmarks and fuzz targets are optional builds).
  mapfile -t files < <(git ls-files '*.cpp' | while read -r f; do
    grep -q "\"file\": \"$PWD/$f\"" "$BUILD/compile_commands.json" && echo "$f"; done)
fi
echo "clang-tidy: ${#files[@]} souborů"
# All the output is kept and shown: a reader that stops at the first warning would cut
# the rest of the report short.
vypis=$(mktemp)
trap 'rm -f "$vypis"' EXIT
rc=0
printf '%s\n' "${files[@]}" |
  xargs -P "${TIDY_JOBS:-$(nproc)}" -n 1 clang-tidy -p "$BUILD" --quiet >"$vypis" 2>/dev/null || rc=$?
cat "$vypis"
# 123: some file had warnings (they are in the output); above that clang-tidy itself failed.
[ "$rc" -le 123 ] || { echo "clang-tidy skončil chybou (kód $rc)." >&2; exit 1; }
! grep -q -E '(warning|error): ' "$vypis"
