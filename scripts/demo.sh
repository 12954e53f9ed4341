#!/usr/bin/env bash
# Installs what is missing, builds Zelkovar and prepares the demo station in demo/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

BUILD=${BUILD:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD"

DEMO=${DEMO:-$PWD/demo}
"$BUILD/bin/zelkovar-nastroj" stanice examples/demo-stanice.json "$DEMO" --prepsat

echo
echo "Ukázková stanice je připravena v adresáři $DEMO"
echo "  (obec Žďárek nad Úhlavou, okrsek 3, zastupitelstvo obce i městské části)."
if [ ! -x "$DEMO/zelkovar" ]; then
  echo "Program zelkovar zatím není sestaven; instalace obsahuje data stanice."
elif [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Spouštím program: $DEMO/zelkovar"
  "$DEMO/zelkovar" || echo "Program skončil s kódem $?."
else
  echo "Není k dispozici obrazovka (DISPLAY ani WAYLAND_DISPLAY není nastaveno)."
  echo "Program spustíte na ploše příkazem:  $DEMO/zelkovar"
  echo "nebo ve virtuální obrazovce:          xvfb-run -a $DEMO/zelkovar"
fi
