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
printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 1 clang-tidy -p "$BUILD" --quiet 2>/dev/null |
  tee /dev/stderr | { ! grep -q -E '(warning|error): '; }
