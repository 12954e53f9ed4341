#!/usr/bin/env bash
# Builds the benchmarks in Release mode and runs them; extra arguments go to each
# benchmark program (for example --benchmark_filter=Okrsek).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${BUILD:-build-bench}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZELKOVAR_BENCHMARKS=ON -DZELKOVAR_TESTS=OFF >/dev/null
mapfile -t CILE < <(sed -n 's/^add_executable(\(bench_[A-Za-z0-9_]*\).*/\1/p' benchmarks/CMakeLists.txt)
cmake --build "$BUILD" -j2 --target "${CILE[@]}"
for cil in "${CILE[@]}"; do
  exe=$(find "$BUILD" -type f -executable -name "$cil" | head -n1)
  echo "== $cil"
  "$exe" "$@"
done
