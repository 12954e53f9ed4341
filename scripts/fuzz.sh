#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each for the given number of
# seconds on a scratch copy of its seed corpus (fuzz/korpus/<name without fuzz_>).
# Exits non-zero when any target crashes.
set -euo pipefail
cd "$(dirname "$0")/.."

DOBA=${1:-60}
BUILD=${BUILD:-build-fuzz}

CC=clang-14 CXX=clang++-14 cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZELKOVAR_FUZZ=ON -DZELKOVAR_SANITIZE=ON -DZELKOVAR_TESTS=OFF >/dev/null
mapfile -t CILE < <(sed -n 's/^zelkovar_fuzz(\([A-Za-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt)
cmake --build "$BUILD" -j2 --target "${CILE[@]}"

SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
PAD=0
for cil in "${CILE[@]}"; do
  exe=$(find "$BUILD" -type f -executable -name "$cil" | head -n1)
  korpus="$SCRATCH/$cil/korpus"
  mkdir -p "$korpus" "$SCRATCH/$cil/nalezy"
  seminka="fuzz/korpus/${cil#fuzz_}"
  [ -d "$seminka" ] && cp -r "$seminka"/. "$korpus"/
  log="$SCRATCH/$cil/log"
  set +e
  "$exe" -max_total_time="$DOBA" -print_final_stats=1 -artifact_prefix="$SCRATCH/$cil/nalezy/" \
    "$korpus" >"$log" 2>&1
  rc=$?
  set -e
  behy=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  pokryti=$(grep -o 'cov: [0-9]*' "$log" | tail -n1 || true)
  if [ "$rc" -ne 0 ] || compgen -G "$SCRATCH/$cil/nalezy/*" >/dev/null; then
    echo "$cil: PÁD po ${behy:-?} bězích (kód $rc)"
    grep -m1 -A30 -E 'ERROR|runtime error|deadly signal' "$log" || tail -n 40 "$log"
    mkdir -p "$BUILD/nalezy/$cil"
    cp -r "$SCRATCH/$cil/nalezy"/. "$BUILD/nalezy/$cil"/ 2>/dev/null || true
    echo "$cil: vstupy uloženy v $BUILD/nalezy/$cil"
    PAD=1
  else
    echo "$cil: ${behy:-?} běhů za ${DOBA} s, ${pokryti:-cov: ?}, bez pádu"
  fi
done
exit "$PAD"
