#!/usr/bin/env bash
# Installs what is missing, builds Zelkovar and prepares the demo station in demo/.
# With a display it starts the program there. Without one (or with --bez-obrazovky)
# it walks the commission's whole road headless in demo-bez-obrazovky/: the prepared
# results are stored, checked, exported to the installation's Export/ directory and
# the record is rendered to PDF.
set -euo pipefail
cd "$(dirname "$0")/.."

BEZ_OBRAZOVKY=
case "${1:-}" in
  --bez-obrazovky) BEZ_OBRAZOVKY=1 ;;
  "") ;;
  *) echo "Použití: scripts/demo.sh [--bez-obrazovky]" >&2; exit 2 ;;
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  BEZ_OBRAZOVKY=1
fi

bash scripts/install-deps.sh --sestaveni

BUILD=${BUILD:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Only what the demo runs: the program and the station tool, not the tests.
cmake --build "$BUILD" --target zelkovar zelkovar-nastroj
NASTROJ="$PWD/$BUILD/bin/zelkovar-nastroj"

DEMO=${DEMO:-$PWD/demo}
"$NASTROJ" stanice examples/demo-stanice.json "$DEMO" --prepsat

echo
echo "Ukázková stanice je připravena v adresáři $DEMO"
echo "  (obec Žďárek nad Úhlavou, okrsek 3, zastupitelstvo obce i městské části)."
echo "  Zástupce stanice pro plochu: $DEMO/zelkovar-598761-3.desktop"

if [ -z "$BEZ_OBRAZOVKY" ]; then
  echo "Spouštím program: $DEMO/zelkovar"
  KOD=0
  "$DEMO/zelkovar" || KOD=$?
  [ "$KOD" -eq 0 ] || echo "Program skončil s kódem $KOD."
  exit "$KOD"
fi

# The whole road without a screen, on its own copy of the station, so that demo/
# stays empty for typing the results in the program.
CESTA=${DEMO_CESTA:-$PWD/demo-bez-obrazovky}
rm -rf "$CESTA"
# Printouts measure text through Qt's GUI layer, which wants a private runtime directory.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
echo
echo "Celá cesta bez obrazovky v adresáři $CESTA:"
"$NASTROJ" stanice examples/demo-stanice.json "$CESTA" >/dev/null
echo "1. Pořízení připravených výsledků (examples/demo-porizeni.json):"
"$NASTROJ" porizeni examples/demo-porizeni.json "$CESTA"
mkdir -p "$CESTA/Tisk"
for TYP in 1 2; do
  echo "2. Kontrola dat, typ zastupitelstva $TYP:"
  "$NASTROJ" kontrola "$CESTA" --typ "$TYP"
  echo "3. Export dat, typ zastupitelstva $TYP:"
  "$NASTROJ" export "$CESTA" --typ "$TYP"
  echo "4. Zápis do PDF, typ zastupitelstva $TYP:"
  "$NASTROJ" tisk "$CESTA" zapis --typ "$TYP" --primo --pdf "$CESTA/Tisk/zapis-typ$TYP.pdf"
done

echo
echo "Hotovo. Kde co je:"
echo "  exportované soubory (pro předání na přebírací místo):"
for F in "$CESTA"/Export/*; do echo "    $F"; done
echo "  zápisy k podpisu:   $CESTA/Tisk/zapis-typ1.pdf, $CESTA/Tisk/zapis-typ2.pdf"
echo "  obsah exportu:      $NASTROJ precti SOUBOR --pole"
echo "  deník událostí:     $CESTA/DENIK.TXT (uložení, kontroly, exporty se SHA-256)"
echo
echo "Program samotný potřebuje obrazovku. Spustíte jej na ploše příkazem:"
echo "  $DEMO/zelkovar"
echo "nebo ve virtuální obrazovce:  xvfb-run -a $DEMO/zelkovar"
