#!/usr/bin/env bash
# The fault matrix: runs porizeni, kontrola and export of the station tool, and the
# save of a control entry (porizeni --kontrolni), on the demo station under strace, failing one system call at a time (every call N of write,
# fsync, fdatasync, rename*, openat, close, unlink* and link*), by killing the process
# at that call or by making it return EIO or ENOSPC. After each run and after one
# clean check run that follows it, it checks:
#   - each council type has exactly one current results file (after the check run:
#     exactly one file at all) and it holds the previous or the new data;
#   - an export is never reported (exit 0) or marked exported (state "A") without a
#     copy on the target equal to the checked data; the previous export is otherwise
#     left byte for byte;
#   - a run that did not finish its work says so with a non-zero exit;
#   - a control entry's file holds the previous or the new control entry (the new one
#     when the run said it succeeded), and its save never touches the results.
# Data are compared as the fields `precti --pole` lists, without the closing record's
# time of computation, save number, random number and check sum, which every save
# draws anew.
#
# The class "kopie" kills porizeni and kontrola at each call, then copies the
# installation as people do (cp -r, tar --touch), with the older results file made the
# newer one by its time, and runs kontrola on each copy: the newer data (or, after a
# killed porizeni, the data before it) must stay current, exactly one results file be
# left and the older one be in data/Zrusena/. Killed porizeni runs are also checked to
# be one transaction: after the next writer starts, INFOK83.RCD belongs to the same
# save as the results and no marker of an unfinished save is left.
#
# A last class, "soubeh", starts porizeni and kontrola together N times on one
# installation: each must finish or be refused as a second writer, and one current
# results file with the new data must be left.
#
# Usage: scripts/odolnost.sh [--prikaz porizeni|kontrola|export|kontrolni]... [--trida kill|EIO|ENOSPC|kopie]...
#        [--volani SYSCALL]... [--nejvyse N] [--soubeh N]
# Without options: every command, class and system call, and 40 pairs at once. Prints a table
#   class  cases  survived  lost  crashed
# and exits non-zero when any case was lost or crashed. BUILD names the build directory.
set -uo pipefail
cd "$(dirname "$0")/.."

NASTROJ=${NASTROJ:-$PWD/${BUILD:-build}/bin/zelkovar-nastroj}
PRIKAZY=() TRIDY=() VOLANI=() NEJVYSE=0 SOUBEH=
while [ $# -gt 0 ]; do
  case "$1" in
    --prikaz) PRIKAZY+=("$2"); shift 2 ;;
    --trida) TRIDY+=("$2"); shift 2 ;;
    --volani) VOLANI+=("$2"); shift 2 ;;
    --nejvyse) NEJVYSE=$2; shift 2 ;;
    --soubeh) SOUBEH=$2; shift 2 ;;
    *) echo "Použití: scripts/odolnost.sh [--prikaz P]... [--trida kill|EIO|ENOSPC|kopie]... [--volani SYSCALL]... [--nejvyse N]" >&2; exit 2 ;;
  esac
done
if [ -z "$SOUBEH" ]; then
  if [ ${#TRIDY[@]} -gt 0 ] || [ ${#PRIKAZY[@]} -gt 0 ]; then SOUBEH=0; else SOUBEH=40; fi
fi
[ ${#PRIKAZY[@]} -gt 0 ] || PRIKAZY=(porizeni kontrola export kontrolni)
[ ${#TRIDY[@]} -gt 0 ] || TRIDY=(kill EIO ENOSPC kopie)
[ ${#VOLANI[@]} -gt 0 ] || VOLANI=(write fsync fdatasync rename renameat renameat2 openat close unlink unlinkat link linkat)
SLEDOVANA=$(IFS=,; echo "${VOLANI[*]}")

command -v strace >/dev/null || { echo "odolnost: chybí strace (scripts/install-deps.sh)"; exit 77; }
[ -x "$NASTROJ" ] || { echo "odolnost: chybí $NASTROJ (nejdřív sestavte projekt)"; exit 2; }
strace -qq -o /dev/null true 2>/dev/null || { echo "odolnost: strace zde nemůže sledovat procesy"; exit 77; }

PRACE=$(mktemp -d)
trap 'rm -rf "$PRACE"' EXIT
export XDG_RUNTIME_DIR=$PRACE/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

nastroj() { "$NASTROJ" "$@" >/dev/null 2>&1; }

# The demo results with the voter count of type 1 changed, so that new data differ.
sed 's/"ZapsOsoby": 1012,/"ZapsOsoby": 1013,/' examples/demo-porizeni.json >"$PRACE/nova.json"

# The states before each command, made by clean runs: the previous export holds the
# old data; the command under test makes new data.
ST=$PRACE/vzor
nastroj stanice examples/demo-stanice.json "$ST/porizeni" || { echo "odolnost: stanice selhala"; exit 1; }
rm -f "$ST/porizeni/zelkovar" "$ST/porizeni/Zelkovar.html"
nastroj porizeni examples/demo-porizeni.json "$ST/porizeni"
nastroj kontrola "$ST/porizeni" --typ 1
nastroj kontrola "$ST/porizeni" --typ 2
nastroj export "$ST/porizeni" --typ 1
cp -a "$ST/porizeni" "$ST/kontrola"
nastroj porizeni "$PRACE/nova.json" "$ST/kontrola" --ano
cp -a "$ST/kontrola" "$ST/export"
# A control entry typed before (the old data), then typed anew (the new data).
cp -a "$ST/kontrola" "$ST/kontrolni"
nastroj porizeni examples/demo-porizeni.json "$ST/kontrolni" --kontrolni
cp -a "$ST/kontrolni" "$ST/kontrolni-po"
nastroj porizeni "$PRACE/nova.json" "$ST/kontrolni-po" --kontrolni
nastroj kontrola "$ST/export" --typ 1
cp -a "$ST/export" "$ST/hotovo"
nastroj export "$ST/hotovo" --typ 1

argumenty() {
  case "$1" in
    porizeni) echo "porizeni $PRACE/nova.json @ --ano" ;;
    kontrola) echo "kontrola @ --typ 1" ;;
    export) echo "export @ --typ 1" ;;
    kontrolni) echo "porizeni $PRACE/nova.json @ --kontrolni" ;;
  esac
}

# The results of one type as comparable fields; empty when there is no file.
pole() {
  [ -f "$1" ] || return 0
  "$NASTROJ" precti "$1" --pole 2>/dev/null |
    grep -v -E '^(DatumPorizeni|CasPorizeni|Rezervovano|NahodneCislo|KontrSoucetTS)='
}

# The program answers which results file of a council type (1 or 2) is current and
# what the station's export state is; nothing here re-implements its rules.
aktualni() { "$NASTROJ" aktualni "$1" --typ "$2" 2>/dev/null | sed -n 's/^soubor=//p'; }
stav1() { "$NASTROJ" aktualni "$1" --typ 1 2>/dev/null | sed -n 's/^stav=//p'; }
# Each type's file name without its prefix, from the tool's answer on the demo station.
declare -A KLIC
for t in 1 2; do KLIC[$t]=$(basename "$(aktualni "$ST/porizeni" $t)" | cut -c2-); done
[ -n "${KLIC[1]}" ] && [ -n "${KLIC[2]}" ] || { echo "odolnost: aktualni nenašel data ukázkové stanice"; exit 1; }
kontrolni_soubor() { echo "$1/data/$(ls "$1/data" | grep -i -x "K${KLIC[$2]}" | head -1)"; }
pocet_souboru() { ls "$1/data" | grep -i -c -x "[OE]${KLIC[$2]}"; }
soubor_s_predponou() { local f; f=$(ls "$1/data" | grep -i -x "$2${KLIC[$3]}" | head -1); [ -n "$f" ] && echo "$1/data/$f"; }

# Reference fields of the previous and the new data of each type, per command.
declare -A PRED NOVA KPRED KNOVA
for p in porizeni kontrola export kontrolni; do
  case "$p" in porizeni) po=kontrola ;; kontrola) po=export ;; export) po=hotovo ;; kontrolni) po=kontrolni-po ;; esac
  for t in 1 2; do
    PRED[$p$t]=$(pole "$(aktualni "$ST/$p" $t)")
    NOVA[$p$t]=$(pole "$(aktualni "$ST/$po" $t)")
  done
done
for t in 1 2; do
  KPRED[$t]=$(pole "$(kontrolni_soubor "$ST/kontrolni" $t)")
  KNOVA[$t]=$(pole "$(kontrolni_soubor "$ST/kontrolni-po" $t)")
done
EXPORT_PRED=$ST/export/Export/O${KLIC[1]}
EXPORT_NOVY=$ST/hotovo/Export/O${KLIC[1]}

# One case; prints survived, lost or crashed and, for lost ones, why.
pripad() {
  local prikaz=$1 trida=$2 volani=$3 n=$4
  local st=$PRACE/beh akce kod duvod
  rm -rf "$st"
  cp -a "$ST/$prikaz" "$st"
  case "$trida" in
    kill|kopie) akce="signal=SIGKILL" ;;
    *) akce="error=$trida" ;;
  esac
  # shellcheck disable=SC2046
  strace -f -qq -o "$PRACE/log" -e trace="$volani" -e inject="$volani:$akce:when=$n" \
    "$NASTROJ" $(argumenty "$prikaz" | sed "s|@|$st|") >"$PRACE/out" 2>"$PRACE/err"
  kod=$?
  if ! grep -q 'INJECTED\|killed by SIGKILL' "$PRACE/log"; then
    echo "nic"
    return
  fi
  if [ "$trida" != kill ] && [ "$trida" != kopie ] && [ $kod -gt 128 ]; then
    # The cipher library ends the process when it cannot read the system's FIPS
    # setting; the programs start it first, so nothing may have changed then.
    if grep -q 'FATAL: .* in libgcrypt' "$PRACE/err" &&
       diff -r -q -x '*.LCK' -x DENIK.TXT "$ST/$prikaz" "$st" >/dev/null; then
      echo "survived-start"
    else
      echo "crashed $(tail -1 "$PRACE/err")"
    fi
    return
  fi
  if grep -q -E 'AddressSanitizer|runtime error' "$PRACE/err"; then
    echo "crashed sanitizer"
    return
  fi

  if [ "$trida" = kopie ]; then
    duvod=$(over_kopie "$st" "$prikaz")
    if [ -n "$duvod" ]; then echo "lost $duvod"; else echo "survived"; fi
    return
  fi
  duvod=$(over "$st" "$prikaz" $kod)
  if [ -z "$duvod" ]; then
    # The next start: a clean check run of each type cleans up and stores again.
    "$NASTROJ" kontrola "$st" --typ 1 --ano >/dev/null 2>&1
    "$NASTROJ" kontrola "$st" --typ 2 --ano >/dev/null 2>&1
    duvod=$(over_po_kontrole "$st" "$prikaz")
  fi
  [ -n "$duvod" ] || [ "$prikaz" != porizeni ] || duvod=$(over_transakci "$st")
  if [ -n "$duvod" ]; then echo "lost $duvod"; else echo "survived"; fi
}

bez_priznaku() { grep -v -E '^((Chyba|SeznamChyb)=|\[Vety6\]$)'; }

# Right after the run: each type's current file holds the previous or the new data,
# all new when the run said it succeeded; an export is marked or reported only with a
# verified copy, and the previous export is otherwise untouched.
over() {
  local st=$1 prikaz=$2 kod=$3 t f data
  for t in 1 2; do
    f=$(aktualni "$st" $t)
    [ -n "$f" ] || { echo "typ $t nemá soubor výsledků"; return; }
    data=$(pole "$f")
    if [ $kod -eq 0 ] && [ "$data" != "${NOVA[$prikaz$t]}" ]; then
      echo "kód 0, ale $(basename "$f") nemá nová data"; return
    fi
    if [ "$data" != "${PRED[$prikaz$t]}" ] && [ "$data" != "${NOVA[$prikaz$t]}" ]; then
      echo "$(basename "$f") nemá ani předchozí, ani nová data"; return
    fi
  done
  if [ "$prikaz" = kontrolni ]; then
    for t in 1 2; do
      data=$(pole "$(kontrolni_soubor "$st" $t)")
      if [ $kod -eq 0 ] && [ "$data" != "${KNOVA[$t]}" ]; then
        echo "kód 0, ale kontrolní pořízení typu $t nemá nová data"; return
      fi
      if [ "$data" != "${KPRED[$t]}" ] && [ "$data" != "${KNOVA[$t]}" ]; then
        echo "kontrolní pořízení typu $t nemá ani předchozí, ani nová data"; return
      fi
    done
    return 0
  fi
  [ "$prikaz" = export ] || return 0
  local cil=$st/Export/O${KLIC[1]}
  if [ $kod -eq 0 ] && ! cmp -s "$cil" "$EXPORT_NOVY"; then
    echo "export ohlášen (kód 0), ale kopie na cíli nesouhlasí"
  elif [ "$(stav1 "$st")" = A ] && ! cmp -s "$cil" "$EXPORT_NOVY"; then
    echo "stav A bez ověřené kopie"
  elif ! cmp -s "$cil" "$EXPORT_NOVY" && ! cmp -s "$cil" "$EXPORT_PRED"; then
    echo "předchozí export poškozen ($(stat -c %s "$cil" 2>/dev/null || echo chybí))"
  fi
}

# After the next start: exactly one results file per type, with the previous or the
# new data (the check run sets the error flags anew).
over_po_kontrole() {
  local st=$1 prikaz=$2 t data
  for t in 1 2; do
    if [ "$(pocet_souboru "$st" $t)" != 1 ]; then
      echo "po kontrole má typ $t $(pocet_souboru "$st" $t) soubory výsledků"; return
    fi
    data=$(pole "$(aktualni "$st" $t)" | bez_priznaku)
    if [ "$data" != "$(echo "${PRED[$prikaz$t]}" | bez_priznaku)" ] \
       && [ "$data" != "$(echo "${NOVA[$prikaz$t]}" | bez_priznaku)" ]; then
      echo "po kontrole typ $t nemá ani předchozí, ani nová data"; return
    fi
  done
}

# A killed porizeni is one transaction once the next writer has started: INFOK83.RCD
# (which holds the counts of type 1) belongs to the same save as the results of type 1,
# and no marker of an unfinished save is left.
over_transakci() {
  local st=$1 data info
  [ -e "$st/TRANSAKCE/ZNACKA" ] && { echo "po kontrole zůstala značka nedokončeného uložení"; return; }
  data=$(pole "$(aktualni "$st" 1)" | bez_priznaku)
  if [ "$data" = "$(echo "${PRED[porizeni1]}" | bez_priznaku)" ]; then info=$ST/porizeni/data/INFOK83.RCD
  else info=$ST/kontrola/data/INFOK83.RCD; fi
  cmp -s "$st/data/INFOK83.RCD" "$info" || echo "INFOK83.RCD nepatří ke stejnému uložení jako výsledky"
}

# After a kill, copies of the installation that change file times: each copy keeps the
# newer data current (after a killed porizeni: the data before it) and the older file
# of an interrupted save in data/Zrusena/.
over_kopie() {
  local st=$1 prikaz=$2 t o e ocekavano stary zpusob k data
  [ "$prikaz" = porizeni ] || [ "$prikaz" = kontrola ] || return 0
  for zpusob in cp tar; do
    for t in 1 2; do
      o=$(soubor_s_predponou "$st" O $t) e=$(soubor_s_predponou "$st" E $t) stary=""
      if [ -e "$st/TRANSAKCE/ZNACKA" ]; then ocekavano=${PRED[$prikaz$t]}
      elif [ -n "$o" ] && [ -n "$e" ]; then
        # The command was writing the new data: the file holding them is the newer one.
        ocekavano=${NOVA[$prikaz$t]}
        if [ "$(pole "$o")" = "$ocekavano" ]; then stary=E; else stary=O; fi
      else ocekavano=$(pole "$o$e")
      fi
      k=$PRACE/kopie
      rm -rf "$k"
      case "$zpusob" in
        cp) cp -r "$st" "$k" ;;
        tar) mkdir "$k" && tar -C "$st" -cf - . | tar -C "$k" --touch -xf - ;;
      esac
      # The older file gets the newer time, as a copy in the wrong order gives it.
      [ -n "$stary" ] && touch -d '1 hour' "$(soubor_s_predponou "$k" $stary $t)"
      "$NASTROJ" kontrola "$k" --typ $t --ano >/dev/null 2>&1
      if [ "$(pocet_souboru "$k" $t)" != 1 ]; then
        echo "$zpusob: typ $t má $(pocet_souboru "$k" $t) soubory výsledků"; return
      fi
      data=$(pole "$(aktualni "$k" $t)" | bez_priznaku)
      if [ "$data" != "$(echo "$ocekavano" | bez_priznaku)" ]; then
        echo "$zpusob: typ $t nemá novější data"; return
      fi
      if [ -n "$stary" ] && [ -z "$(ls "$k/data/Zrusena" 2>/dev/null | grep -i "^$stary${KLIC[$t]}\.")" ]; then
        echo "$zpusob: starší soubor typu $t není v data/Zrusena"; return
      fi
    done
  done
}

# How often the clean run makes each system call.
declare -A VOLANI_POCET
spocitej() {
  local prikaz=$1 st=$PRACE/pocty
  rm -rf "$st"
  cp -a "$ST/$prikaz" "$st"
  # shellcheck disable=SC2046
  strace -f -qq -o "$PRACE/pocty.log" -e trace="$SLEDOVANA" \
    "$NASTROJ" $(argumenty "$prikaz" | sed "s|@|$st|") >/dev/null 2>&1
  VOLANI_POCET=()
  while read -r v c; do VOLANI_POCET[$v]=$c; done < <(
    awk '{ s = $2; sub(/\(.*/, "", s); if (s ~ /^[a-z0-9_]+$/) c[s]++ } END { for (k in c) print k, c[k] }' "$PRACE/pocty.log")
}

declare -A PRIPADY PREZILO ZTRACENO PADLO
ZTRATY=$PRACE/ztraty STARTY=$PRACE/starty
: >"$ZTRATY"
: >"$STARTY"
for prikaz in "${PRIKAZY[@]}"; do
  spocitej "$prikaz"
  for trida in "${TRIDY[@]}"; do
    for volani in "${VOLANI[@]}"; do
      pocet=${VOLANI_POCET[$volani]:-0}
      [ "$NEJVYSE" -gt 0 ] && [ "$pocet" -gt "$NEJVYSE" ] && pocet=$NEJVYSE
      # Copies only matter after a kill of a command that saves results.
      [ "$trida" = kopie ] && [ "$prikaz" != porizeni ] && [ "$prikaz" != kontrola ] && continue
      for ((n = 1; n <= pocet; n++)); do
        vysledek=$(pripad "$prikaz" "$trida" "$volani" "$n")
        [ "$vysledek" = nic ] && continue
        klic="$trida"
        PRIPADY[$klic]=$(( ${PRIPADY[$klic]:-0} + 1 ))
        case "$vysledek" in
          survived) PREZILO[$klic]=$(( ${PREZILO[$klic]:-0} + 1 )) ;;
          survived-start)
            PREZILO[$klic]=$(( ${PREZILO[$klic]:-0} + 1 ))
            echo "$prikaz $trida $volani#$n: knihovna libgcrypt ukončila program při startu, nic se nezměnilo" >>"$STARTY" ;;
          lost*) ZTRACENO[$klic]=$(( ${ZTRACENO[$klic]:-0} + 1 )); echo "$prikaz $trida $volani#$n: ${vysledek#lost }" >>"$ZTRATY" ;;
          crashed*) PADLO[$klic]=$(( ${PADLO[$klic]:-0} + 1 )); echo "$prikaz $trida $volani#$n: pád ${vysledek#crashed }" >>"$ZTRATY" ;;
        esac
      done
    done
  done
done

# Two writers at once: porizeni and kontrola started together.
for ((i = 1; i <= SOUBEH; i++)); do
  st=$PRACE/soubeh
  rm -rf "$st"
  cp -a "$ST/kontrola" "$st"
  "$NASTROJ" porizeni "$PRACE/nova.json" "$st" --ano >"$PRACE/s1" 2>&1 &
  p1=$!
  "$NASTROJ" kontrola "$st" --typ 1 --ano >"$PRACE/s2" 2>&1 &
  p2=$!
  wait $p1; k1=$?
  wait $p2; k2=$?
  duvod=""
  for k in "$k1:s1" "$k2:s2"; do
    kod=${k%%:*}
    if [ "$kod" -gt 128 ]; then duvod="pád (kód $kod)"
    elif [ "$kod" -ne 0 ] && ! grep -q 'právě upravuje' "$PRACE/${k#*:}"; then
      duvod="selhání, které není odmítnutím druhého zapisovatele: $(tail -1 "$PRACE/${k#*:}")"
    fi
  done
  for t in 1 2; do
    [ -n "$duvod" ] && break
    if [ "$(pocet_souboru "$st" $t)" != 1 ]; then
      duvod="typ $t má $(pocet_souboru "$st" $t) soubory výsledků"
    elif [ "$(pole "$(aktualni "$st" $t)" | bez_priznaku)" != "$(echo "${NOVA[kontrola$t]}" | bez_priznaku)" ]; then
      duvod="typ $t nemá nová data"
    fi
  done
  PRIPADY[soubeh]=$(( ${PRIPADY[soubeh]:-0} + 1 ))
  case "$duvod" in
    "") PREZILO[soubeh]=$(( ${PREZILO[soubeh]:-0} + 1 )) ;;
    pád*) PADLO[soubeh]=$(( ${PADLO[soubeh]:-0} + 1 )); echo "souběh #$i: $duvod" >>"$ZTRATY" ;;
    *) ZTRACENO[soubeh]=$(( ${ZTRACENO[soubeh]:-0} + 1 )); echo "souběh #$i: $duvod" >>"$ZTRATY" ;;
  esac
done
[ "$SOUBEH" -gt 0 ] && TRIDY+=(soubeh)

printf '%-8s %7s %9s %6s %8s\n' třída případů přežilo ztraceno padlo
chyby=0
for trida in "${TRIDY[@]}"; do
  printf '%-8s %7d %9d %6d %8d\n' "$trida" "${PRIPADY[$trida]:-0}" "${PREZILO[$trida]:-0}" \
    "${ZTRACENO[$trida]:-0}" "${PADLO[$trida]:-0}"
  chyby=$(( chyby + ${ZTRACENO[$trida]:-0} + ${PADLO[$trida]:-0} ))
done
if [ -s "$STARTY" ]; then
  echo
  echo "Přežilo, ale program nezačal pracovat ($(wc -l <"$STARTY")):"
  cat "$STARTY"
fi
if [ -s "$ZTRATY" ]; then
  echo
  echo "Ztracené a padlé případy:"
  cat "$ZTRATY"
fi
[ $chyby -eq 0 ]
