#!/usr/bin/env bash
# Installs what is missing, builds Zelkovar and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --testy

BUILD=${BUILD:-build}
WERROR=OFF
[ -n "${CI:-}" ] && WERROR=ON
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELKOVAR_WERROR="$WERROR" >/dev/null
cmake --build "$BUILD"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j2
