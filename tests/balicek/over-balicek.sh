#!/usr/bin/env bash
# The Debian packages as a precinct PC gets them: made by cpack from this build
# directory, unpacked with dpkg-deb -x into a scratch root and used from there alone:
# their fields and files, --version, a station prepared with its launchers, the
# program started through the launcher, and the commission's road headless.
#   over-balicek.sh BUILD SOURCE VERSION
# Exit 77 (skipped) when the packaging tools are missing.
set -euo pipefail
BUILD=$1 ZDROJ=$2 VERZE=$3

for n in cpack dpkg-deb dpkg-shlibdeps readelf; do
  command -v "$n" >/dev/null || { echo "SKIP: chybí $n, balíček nelze sestavit (scripts/install-deps.sh)"; exit 77; }
done
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
CHYBY=0
spatne() { echo "CHYBA: $*"; CHYBY=$((CHYBY + 1)); }
ok() { echo "ok: $*"; }

ARCH=$(dpkg --print-architecture)
cpack --config "$BUILD/CPackConfig.cmake" -B "$T/out" >"$T/cpack.log" 2>&1 || { cat "$T/cpack.log"; exit 1; }
DEB=$T/out/zelkovar_${VERZE}_${ARCH}.deb
DBG=$T/out/zelkovar-dbgsym_${VERZE}_${ARCH}.deb
[ -f "$DEB" ] && [ -f "$DBG" ] || { ls "$T/out"; spatne "balíčky nevznikly"; exit 1; }
echo "balíček: $(basename "$DEB"), $(stat -c %s "$DEB") B"

# ---- fields -------------------------------------------------------------------
for pole in Package=zelkovar "Version=$VERZE" "Architecture=$ARCH"; do
  [ "$(dpkg-deb -f "$DEB" "${pole%%=*}")" = "${pole#*=}" ] && ok "$pole" || spatne "pole $pole: $(dpkg-deb -f "$DEB" "${pole%%=*}")"
done
ZAVISLOSTI=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $ZAVISLOSTI"
# Everything a precinct PC needs, as scripts/install-deps.sh --beh lists it, and
# nothing of the build tools.
read -r -a BEH <<<"$(sed -n 's/^BEH=(\(.*\))$/\1/p' "$ZDROJ/scripts/install-deps.sh")"
[ ${#BEH[@]} -gt 0 ] || spatne "seznam BEH v scripts/install-deps.sh nenalezen"
for p in "${BEH[@]}"; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$ZAVISLOSTI" && ok "závisí na $p" || spatne "chybí závislost $p"
done
if grep -Eo '(^|, )[a-z0-9.+-]+' <<<"$ZAVISLOSTI" | grep -Eq -- '-dev$|build-essential|cmake|ninja|clang|gcc-[0-9]|g\+\+|lintian|xvfb|benchmark'; then
  spatne "závislost na nástroji sestavení"
fi
[ "$(dpkg-deb -f "$DEB" Recommends)" = "udisks2, libglib2.0-bin" ] && ok "doporučuje udisks2 a gio" || spatne "Recommends: $(dpkg-deb -f "$DEB" Recommends)"
[ "$(dpkg-deb -f "$DBG" Depends)" = "zelkovar (= $VERZE)" ] && ok "dbgsym závisí na zelkovar" || spatne "dbgsym: $(dpkg-deb -f "$DBG" Depends)"

# ---- files --------------------------------------------------------------------
dpkg-deb -c "$DEB" | awk '{print $6}' | grep -v '/$' | sort >"$T/soubory"
sort >"$T/ocekavane" <<'SEZNAM'
./usr/bin/zelkovar
./usr/bin/zelkovar-nastroj
./usr/share/applications/zelkovar.desktop
./usr/share/doc/zelkovar/changelog.gz
./usr/share/doc/zelkovar/copyright
./usr/share/doc/zelkovar/examples/vzor-stanice.json
./usr/share/doc/zelkovar/prebiraci-misto.md
./usr/share/doc/zelkovar/skolitel.md
./usr/share/doc/zelkovar/spravce.md
./usr/share/icons/hicolor/128x128/apps/zelkovar.png
./usr/share/icons/hicolor/16x16/apps/zelkovar.png
./usr/share/icons/hicolor/24x24/apps/zelkovar.png
./usr/share/icons/hicolor/256x256/apps/zelkovar.png
./usr/share/icons/hicolor/32x32/apps/zelkovar.png
./usr/share/icons/hicolor/48x48/apps/zelkovar.png
./usr/share/icons/hicolor/64x64/apps/zelkovar.png
./usr/share/icons/hicolor/scalable/apps/zelkovar.svg
./usr/share/metainfo/example.zelkovar.Zelkovar.metainfo.xml
./usr/share/man/man1/zelkovar-nastroj.1.gz
./usr/share/man/man1/zelkovar.1.gz
./usr/share/zelkovar/Zelkovar.html
SEZNAM
diff -u "$T/ocekavane" "$T/soubory" && ok "seznam souborů" || spatne "seznam souborů se liší"

K=$T/koren
dpkg-deb -x "$DEB" "$K"
dpkg-deb -x "$DBG" "$K"
for p in zelkovar zelkovar-nastroj; do
  f=$K/usr/bin/$p
  if readelf -S "$f" | grep -Eq '\.debug_info|\.symtab'; then spatne "$p není ořezaný"; else ok "$p ořezaný"; fi
  id=$(readelf -n "$f" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
  ladeni=$K/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
  [ -n "$id" ] && readelf -S "$ladeni" 2>/dev/null | grep -q '\.debug_info' && ok "$p: ladicí informace v dbgsym" || spatne "$p: ladicí informace $ladeni chybí"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$K/usr/share/applications/zelkovar.desktop" && ok "zelkovar.desktop platný" || spatne "zelkovar.desktop neplatný"
fi

# ---- the programs from the unpacked root -------------------------------------
B=$K/usr/bin
export HOME=$T/domov XDG_RUNTIME_DIR=$T/beh
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_DESKTOP_DIR DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
[ "$("$B/zelkovar" --version)" = "zelkovar $VERZE" ] && ok "zelkovar --version" || spatne "zelkovar --version: $("$B/zelkovar" --version)"
"$B/zelkovar-nastroj" --version | grep -q "$VERZE" && ok "zelkovar-nastroj --version" || spatne "zelkovar-nastroj --version"
"$B/zelkovar" --help | grep -q -- '--instalace' && ok "zelkovar --help" || spatne "zelkovar --help"

I="$T/okrsek 3 Žďárek"
"$B/zelkovar-nastroj" stanice "$ZDROJ/examples/demo-stanice.json" "$I" --plocha || spatne "stanice"
# The template the IT person starts from makes a station as it stands.
"$B/zelkovar-nastroj" stanice "$K/usr/share/doc/zelkovar/examples/vzor-stanice.json" "$T/vzor" >/dev/null \
  && ok "vzor popisu stanice" || spatne "vzor popisu stanice"
SP=zelkovar-598761-3.desktop
[ ! -e "$I/zelkovar" ] && ok "program se do instalace nekopíruje" || spatne "program zkopírován do instalace"
for f in "$I/$SP" "$HOME/Desktop/$SP" "$HOME/.local/share/applications/$SP"; do
  [ -x "$f" ] && cmp -s "$f" "$I/$SP" && ok "zástupce $f" || spatne "zástupce $f chybí nebo se liší"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$I/$SP" && ok "zástupce platný" || spatne "zástupce neplatný"
fi
grep -qx "Icon=zelkovar" "$I/$SP" && ok "ikona zástupce podle jména v motivu" || spatne "ikona zástupce"
grep -qx "TryExec=$B/zelkovar" "$I/$SP" && ok "TryExec zástupce" || spatne "TryExec zástupce"
grep -qx "Name=Zelkovar – Žďárek nad Úhlavou, okrsek 3" "$I/$SP" && ok "jméno zástupce" || spatne "jméno zástupce"
# Start the program as the desktop would: the Exec line, unescaped, as its arguments.
EXEC=$(sed -n 's/^Exec=//p' "$I/$SP" | sed 's/\\\\/\\/g')
eval "set -- $EXEC"
[ "$1" = "$B/zelkovar" ] && ok "zástupce spouští $1" || spatne "zástupce spouští $1"
START=$(cd / && QT_QPA_PLATFORM=offscreen ZELKOVAR_KONEC_PO_STARTU=1 timeout 60 "$@" 2>&1) \
  && grep -q "okno zobrazeno" <<<"$START" && ok "program spuštěn zástupcem" || spatne "program spuštěný zástupcem: $START"

# ---- the commission's road -----------------------------------------------------
"$B/zelkovar-nastroj" porizeni "$ZDROJ/examples/demo-porizeni.json" "$I" >/dev/null || spatne "porizeni"
mkdir -p "$I/Tisk"
for TYP in 1 2; do
  "$B/zelkovar-nastroj" kontrola "$I" --typ "$TYP" >/dev/null || spatne "kontrola typ $TYP"
  "$B/zelkovar-nastroj" export "$I" --typ "$TYP" >/dev/null || spatne "export typ $TYP"
  "$B/zelkovar-nastroj" tisk "$I" zapis --typ "$TYP" --primo --pdf "$I/Tisk/zapis-typ$TYP.pdf" >/dev/null 2>&1 || spatne "tisk zapis typ $TYP"
  [ "$(head -c 5 "$I/Tisk/zapis-typ$TYP.pdf" 2>/dev/null)" = "%PDF-" ] && ok "zápis typ $TYP v PDF" || spatne "zápis typ $TYP"
done
for f in OO598761.00003 OC598761.00003; do
  cmp -s "$I/Export/$f" "$I/data/$f" && ok "export $f" || spatne "export $f"
done

echo "$CHYBY chyb"
[ "$CHYBY" -eq 0 ]
