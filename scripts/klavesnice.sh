#!/usr/bin/env bash
# Drives Zelkovar from the keyboard only (xdotool keys and typing, no mouse) on a
# virtual screen, the way a commission works on election night: enters the results of
# both council types of the demo station, saves with F2, answers the questions,
# exports to the installation's Export/ directory, prints the record without a
# printer (PDF copies in Tisk/), re-opens exported data and answers the comparison of
# the two council types, and settles a control entry's differences by typing them
# again. Each export file is then decoded by the program's reader and
# by the independent decoder of tests/data and compared field by field with what was
# typed. Screenshots of every step land in demo-klavesnice/snimky/.
#
#   scripts/klavesnice.sh        (installs xdotool, ImageMagick and the decoder's
#                                 cipher module when missing)
set -u
cd "$(dirname "$0")/.."
R=$PWD

bash scripts/install-deps.sh --klavesnice
BUILD=${BUILD:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" || exit 1
NASTROJ="$R/$BUILD/bin/zelkovar-nastroj"
D=${DEMO_KLAVESNICE:-$R/demo-klavesnice}
S=$D/snimky

# ---- helpers -------------------------------------------------------------------
k()    { xdotool key --delay 60 "$@"; sleep 0.25; }          # press keys
t()    { xdotool type --delay 40 "$1"; sleep 0.2; }          # type text
shot() { sleep "${2:-0.5}"; import -window root "$S/$1.png"; }
# Without a window manager nothing gives the focus back to the main window after a
# modal window closes: give it back before using the menu.
mainfocus() { xdotool windowfocus --sync "$(xdotool search --name 'Volby do zastupitelstev' | head -1)"; sleep 0.3; }
# Menu "Okrsek" has no access key: Alt alone selects the menu bar, Down opens it;
# then the item's access key and the submenu "Typ zastupitelstva=1/2".
menu() { # $1 access key of the item, $2 council type
    mainfocus; k alt; sleep 0.5; k Down; sleep 0.5; k "$1"; sleep 0.8
    [ "$2" = 2 ] && { k Down; sleep 0.5; }
    k Return; sleep 1.5
}
votes() { /usr/bin/python3 -c "import sys; print(','.join(sys.argv[1:]))" "$@"; }

# ---- setup ---------------------------------------------------------------------
# The run prints without a printer (PDF copies), also on a machine that has one: the
# program asks a print server that is not there.
export CUPS_SERVER=/nonexistent/zelkovar-klavesnice-cups.sock
OBRAZOVKA=${OBRAZOVKA:-57}
export DISPLAY=:$OBRAZOVKA
Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
XPID=$!
ZPID=
trap 'kill $ZPID $XPID 2>/dev/null' EXIT
sleep 2
rm -rf "$D"
"$NASTROJ" stanice examples/demo-stanice.json "$D" >/dev/null || exit 1
mkdir -p "$S"
(cd "$D" && exec ./zelkovar >"$D/zelkovar.log" 2>&1) &
ZPID=$!
sleep 3
shot 00-start; k Return; sleep 0.5            # start-up dialog: OK

cat > "$D/over.py" <<'EOF'
import subprocess, sys
f, typ, zaps, vyd, odv, plat, votes, inst, tool, dec = sys.argv[1:11]
line_tool = subprocess.run([tool, 'precti', f], capture_output=True).stdout.rstrip(b'\r\n')
line_py = subprocess.run(['/usr/bin/python3', dec, '--decode', f], capture_output=True).stdout.rstrip(b'\r\n')
ok = True
def chk(name, got, exp):
    global ok
    if str(got) != str(exp):
        ok = False; print('MISMATCH', name, 'got', got, 'expected', exp)
chk('plain line: tool == independent decoder', line_tool == line_py, True)
pole, sec = {}, ''
for l in subprocess.run([tool, 'precti', f, '--pole'], capture_output=True, text=True).stdout.splitlines():
    if l.startswith('['): sec = l[1:-1]; continue
    if '=' in l:
        a, b = l.split('=', 1); pole[sec + '.' + a] = b
exp = {}
for item in filter(None, votes.split(',')):
    pc, v = item.split('='); p, c = pc.split(':'); exp[(int(p), int(c))] = int(v)
for name, v in (('TypZastup', typ), ('ZapsOsoby', zaps), ('VydObalky', vyd), ('OdevzdObalky', odv), ('PlatneHlasy', plat)):
    chk(name, pole['VetaT3.' + name], v)
nstran = int(pole['VetaT3.Pocet_VS']); total = 0; withv = 0; n = 0
for p in range(1, nstran + 1):
    tot = 0
    for c in range(1, 71):
        g = int(pole['StranyHL[%d].HlasyKand[%d]' % (p, c)]); chk('party %d cand %d' % (p, c), g, exp.get((p, c), 0)); tot += g; n += 1
    chk('party %d PocHl' % p, pole['StranyHL[%d].PocHl' % p], tot); total += tot; withv += tot > 0
chk('Poc_VS_HL', pole['VetaT3.Poc_VS_HL'], withv)
chk('sum of candidate votes == PlatneHlasy', total, plat)
chk('KC2', pole['VetaT3.T3KC_2'], int(zaps) + int(typ) + int(vyd) + int(odv) + int(plat) + nstran + withv)
st = open(inst + '/STANICE.RCD', 'rb').read()
print('  Stav1=%r Stav2=%r' % (st[0xfb:0xfb + st[0xfa]].decode(), st[0xfd:0xfd + st[0xfc]].decode()))
print('  %d candidate fields of %d parties compared, line %d chars: %s' % (n, nstran, len(line_py), 'ALL OK' if ok else 'FAILURES'))
sys.exit(0 if ok else 1)
EOF
SELHANI=0
verify() { # file typ zaps vyd odevzd platne votes [installation]
    /usr/bin/python3 "$D/over.py" "$1" "$2" "$3" "$4" "$5" "$6" "$7" "${8:-$D}" "$NASTROJ" "$R/tests/data/vyrob-chraneny.py" || SELHANI=1
    if [ "$1" != "${8:-$D}/data/$(basename "$1")" ] && cmp -s "$1" "${8:-$D}/data/$(basename "$1")"; then
        echo "  export file == data file byte for byte"
    fi
}
pdfs() { for p in "$D"/Tisk/*.pdf; do echo "  $(basename "$p"): $(pdfinfo "$p" | awk '/^Pages/{print $2}') pages"; done; }

# ---- council type 1 -------------------------------------------------------------
menu p 1                                       # Okrsek > Pořízení a oprava dat > Typ zastupitelstva=1
shot 01-t1-page0
# page 0: times of both days, Enter walks the fields
t 14:00; k Return; t 22:00; k Return; t 08:00; k Return; t 14:00; k Return
# adjournment pair (N), date, hour, minute, reason, extension pair, ..., interruption ..., complaints pair
k Return                                       # date of adjournment
for i in $(seq 1 14); do k Return; done        # now on the complaints pair, on its chosen button "nebyly"
k Return                                       # complaint sheets field: empty
k Return                                       # ballot box pair: on its chosen button "nebyla"
k Up                                           # Up chooses "byla"
shot 02-t1-page0-filled
k Return; k Return; sleep 0.8                  # to "Pokračovat", press it: page 1
t 1010; k Return; t 620; k Return; t 615; k Return; t 5675; k Return
shot 03-t1-page1
k Return; sleep 0.8                            # "Pokračovat": page 3, party list
k Return                                       # party 1, candidate 1
for i in $(seq 1 15); do t 300; k Return; done # Enter on the last candidate: party 2
k Return
for i in 1 2 3 4; do t 250; k Return; done     # candidate 5 is struck off (N) and skipped
for i in $(seq 6 15); do k Return; done        # party 3
k Return; t 100; k Return
for i in $(seq 2 34); do k Return; done        # Enter on 34: page "HL pokračování", candidate 35
shot 04-t1-page4
t 50; k Return; for i in 36 37 38 39; do k Return; done; t 20; k Return   # party 4
for i in 1 2 3 4 5; do k Down; done            # party list: Down to party 9
k Return; t 5; k Return; sleep 0.8             # last candidate of the last party: page 5
t 7; k Return; t 5; k Return; t "Jana Nováková"; k Return
t "Petr Svoboda"; k Return; t "Eva Malá"; k Return; t "Karel Veselý"; k Return; t "Lenka Dvořáková"; k Return
t "Petr Svoboda"; k Return
shot 05-t1-page5
k F2; sleep 2.5; shot 06-t1-protocol
k Escape; sleep 1; shot 07-t1-question         # "Chcete pokračovat exportem dat a tiskem zápisu?"
k Return; sleep 1.5; shot 08-t1-infoE          # Ano
k Return; sleep 1.5; shot 09-t1-export         # OK: export dialog
k Return; sleep 1.5                            # one Enter in the list: "Uložit"
shot 10-t1-exported; k Return; sleep 1         # OK: copies dialog
t 3; k Return; sleep 2.5; shot 11-t1-printed   # 3 copies; "no printer" message
k Return; sleep 1.5; shot 12-t1-preview; k Escape; sleep 1.5
T1V=$(votes $(for i in $(seq 1 15); do echo 1:$i=300; done) 2:1=250 2:2=250 2:3=250 2:4=250 3:1=100 3:35=50 3:40=20 9:1=5)
echo "== type 1"; verify "$D/Export/OO598761.00003" 1 1010 620 615 5675 "$T1V"; pdfs

# ---- council type 2, same counts: no comparison dialog ---------------------------
menu p 2
shot 13-t2-page0
k Next; sleep 0.6                              # Page Down: page 1
t 10x10; k Return                              # the letter beeps and is dropped: 1010
t 620; k Return; t 615; k Return; t 4400; k Return
shot 14-t2-page1
k Return; sleep 0.8; k Return
for i in $(seq 1 11); do t 200; k Return; done
k Return; for i in $(seq 1 10); do t 150; k Return; done; k Return
k Return; t 400; k Return; for i in 2 3 4 5 6 7 8; do k Return; done; t 100; k Return; sleep 0.5
k Return; t 700; k Return; sleep 1.2            # 700 > 615 returned envelopes: error 24
shot 15-t2-error24; k Return; sleep 0.8         # "Opravit": back to candidate 1 of party 4
t 200; k Return; for i in $(seq 2 11); do k Return; done; sleep 0.8
shot 16-t2-page5
k F2; sleep 2.5; k Escape; sleep 1; k Return; sleep 1.5
k Return; sleep 1.5; k Return; sleep 1.5
shot 17-t2-exported; k Return; sleep 1
t 3; k Return; sleep 2.5; shot 18-t2-printed; k Return; sleep 1.5; k Escape; sleep 1.5
T2V=$(votes $(for i in $(seq 1 11); do echo 1:$i=200; done) $(for i in $(seq 1 10); do echo 2:$i=150; done) 3:1=400 3:9=100 4:1=200)
echo "== type 2 (same counts)"; verify "$D/Export/OC598761.00003" 2 1010 620 615 4400 "$T2V"; pdfs

# ---- council type 2 again with another voter count: comparison dialog ------------
menu p 2
shot 19-t2-reopen-question; k alt+a; sleep 1.5  # "Data okrsku byla již vyexportována ... ?" Ano
k Next; sleep 0.6; t 1012; k Return; sleep 0.5
k F2; sleep 2.5; k Escape; sleep 1; k Return; sleep 1.5
shot 20-t2-comparison; k alt+n; sleep 1.5      # "Ne": no export
echo "== after Ne"; /usr/bin/python3 -c "
st=open('$D/STANICE.RCD','rb').read(); print('  Stav1=%r Stav2=%r' % (st[0xfb:0xfb+st[0xfa]].decode(), st[0xfd:0xfd+st[0xfc]].decode()))"
menu e 2                                       # Okrsek > Export dat a tisk zápisu > Typ zastupitelstva=2
shot 21-t2-comparison-menu; k alt+a; sleep 1.5 # "Ano"
k Return; sleep 1.5; k Return; sleep 1.5; k Return; sleep 1
t 0; k Return; sleep 2.5; shot 22-t2-printed-1copy   # "0" gives one copy
k Return; sleep 1.5; k Escape; sleep 1.5
echo "== type 2 (1012 voters)"; verify "$D/Export/OC598761.00003" 2 1012 620 615 4400 "$T2V"; pdfs

# ---- a station of other shapes: parties of 35 and of 36 candidates with no. 35 struck
# off, between and after them a party with no standing candidate, typed with the same
# keys as every other party (the walk passes over them). F10 and the menu end the program.
mainfocus; k F10; sleep 0.5; k o; sleep 0.8
shot 23-konec-question; k alt+a; sleep 2
kill -0 "$ZPID" 2>/dev/null && { echo "the program did not end"; exit 1; }
T=$D/tvary
/usr/bin/python3 - "$T.json" <<'EOF2'
import json, sys
kod, zast = '500011', '500011'
strany = ['A' * 35, 'NN', 'A' * 34 + 'NA', 'NN']
d = {'stanice': {'NazevObce': 'Tvarová Lhota', 'KodObce': kod, 'CisloOkrsku': 1, 'KodOkresu': '3701',
                 'NazevOkresu': 'Zkušební', 'DatumVoleb': '09.10.2026 - 10.10.2026', 'KodWindows': '18'},
     'okrsky': [{'KodObce': kod, 'CisloOkrsku': 1, 'TypZastup': '1', 'NazevObce': 'Tvarová Lhota',
                 'KodObceZast': zast, 'NazevZast': 'Zastupitelstvo obce Tvarová Lhota', 'CObvodu': '1',
                 'PocetMandatu': '15', 'PocetStranZast': str(len(strany)), 'Priznak': '0', 'JeObvod': 'N',
                 'KodOkresu': '3701', 'NazevOkresu': 'Zkušební'}],
     'strany': [], 'kandidati': [], 'volici': [{'KodObce': kod, 'CisloOkrsku': 1, 'ZapsOsobyRef': 500}]}
for p, s in enumerate(strany, 1):
    d['strany'].append({'KodObceZast': zast, 'CObvodu': '1', 'PorCislo': '%03d' % p, 'NazevZkr': 'Strana %d' % p,
                        'Nazev': 'Strana číslo %d' % p, 'PocetKand': str(len(s))})
    for c, platnost in enumerate(s, 1):
        d['kandidati'].append({'KodObceZast': zast, 'CObvodu': '1', 'PorCisloStrany': str(p), 'PorCisloKand': str(c),
                               'Jmeno': 'Jan', 'Prijmeni': 'Kandidát %d' % c, 'Platnost': platnost})
json.dump(d, open(sys.argv[1], 'w'), ensure_ascii=False)
EOF2
"$NASTROJ" stanice "$T.json" "$T" >/dev/null || exit 1
(cd "$T" && exec ./zelkovar >"$T/zelkovar.log" 2>&1) &
ZPID=$!
sleep 3; k Return; sleep 0.5                  # start-up dialog: OK
mainfocus; k F2; sleep 1.5                    # one council type: F2 opens the entry window
# Votes (p*7 + c*3) mod 9 for every standing candidate; a 0 is left as shown.
hlas() { echo $(( ($1 * 7 + $2 * 3) % 9 )); }
TV=""; CELKEM=0
for c in $(seq 1 35); do TV="$TV,1:$c=$(hlas 1 $c)"; CELKEM=$((CELKEM + $(hlas 1 $c))); done
for c in $(seq 1 34) 36; do TV="$TV,3:$c=$(hlas 3 $c)"; CELKEM=$((CELKEM + $(hlas 3 $c))); done
k Next; sleep 0.6                              # page 1
t 500; k Return; t 400; k Return; t 398; k Return; t $CELKEM; k Return
k Return; sleep 0.8                            # "Pokračovat": page HL, party 1
k F1; sleep 1; shot 24-tvary-help-hl; k Escape; sleep 0.8   # help at the page, back again
k Return                                       # party 1, candidate 1
for c in $(seq 1 35); do v=$(hlas 1 $c); [ "$v" != 0 ] && t "$v"; k Return; done
shot 25-tvary-party3; k Return                 # party 2 has nobody standing: the list shows party 3
for c in $(seq 1 34) 36; do v=$(hlas 3 $c); [ "$v" != 0 ] && t "$v"; k Return; done
sleep 0.8; shot 27-tvary-page5                 # party 4 has nobody standing: page III
# F2 saves and checks; section III is left empty, a blocking error: the data stay the
# "E" file and the window closes after the protocol.
k F2; sleep 2.5; k Escape; sleep 1.5; shot 28-tvary-saved
echo "== station of other shapes (35, nobody standing, 36 without no. 35, nobody standing)"
verify "$T/data/EO500011.00001" 1 500 400 398 $CELKEM "${TV#,}" "$T"
# ---- a control entry with two differences (kept by the tool, as if typed earlier):
# F2 compares, Alt+R types the undecided values again blind, Alt+U writes them.
kill "$ZPID" 2>/dev/null; wait "$ZPID" 2>/dev/null
K=$D/kontrola
"$NASTROJ" stanice examples/demo-stanice.json "$K" >/dev/null || exit 1
"$NASTROJ" porizeni examples/demo-porizeni.json "$K" >/dev/null || exit 1
/usr/bin/python3 - examples/demo-porizeni.json "$K.json" <<'EOF3'
import json, sys
v = json.load(open(sys.argv[1]))['vysledky'][0]
v['ZapsOsoby'] += 9                  # 1012 typed 1021
v['strany'][0]['HlasyKand'][1] += 10 # party 1, candidate 2: 113 typed 123
json.dump({'vysledky': [v]}, open(sys.argv[2], 'w'), ensure_ascii=False)
EOF3
"$NASTROJ" porizeni "$K.json" "$K" --kontrolni >/dev/null || exit 1
(cd "$K" && exec ./zelkovar >"$K/zelkovar.log" 2>&1) &
ZPID=$!
sleep 3; k Return; sleep 0.5                  # start-up dialog: OK
menu t 1                                       # Okrsek > Kontrolní pořízení > Typ zastupitelstva=1
shot 29-kontrola-pokracovat; k Return; sleep 1.5  # "Pokračujete v kontrolním pořízení z ...": Ne
k F2; sleep 2.5; shot 30-kontrola-rozdily      # "Porovnat": the list of differences
k alt+r; sleep 1; shot 31-kontrola-naslepo     # "Zadat rozdíly znovu": neither value in sight
t 1012; k Return; sleep 0.5                    # the paper says 1012: the first entry's value
t 123; k Return; sleep 1                       # and 123: the control entry's
shot 32-kontrola-rozhodnuto
k alt+u; sleep 2; shot 33-kontrola-zapsano; k Return; sleep 1
echo "== control entry decided by typing the differences again"
pole() { "$NASTROJ" precti "$K/data/EO598761.00003" --pole |
    awk -v s="[$1]" -v k="$2=" '$0 == s { f = 1; next } /^\[/ { f = 0 } f && index($0, k) == 1 { print substr($0, length(k) + 1) }'; }
for c in "VetaT3 ZapsOsoby 1012" "StranyHL[1] HlasyKand[2] 123" "StranyHL[1] HlasyKand[1] 115"; do
    set -- $c
    [ "$(pole "$1" "$2")" = "$3" ] && echo "  $1.$2=$3" || { echo "MISMATCH $1.$2: $(pole "$1" "$2"), expected $3"; SELHANI=1; }
done
[ ! -e "$K/data/KO598761.00003" ] || { echo "MISMATCH the control file is left"; SELHANI=1; }
n=$(grep -c "potvrzeno opakovaným zápisem" "$K/DENIK.TXT")
[ "$n" = 2 ] && echo "  journal: 2 values confirmed by typing again" || { echo "MISMATCH journal lines: $n"; SELHANI=1; }

# A data mismatch anywhere fails the run.
exit $SELHANI
