#!/usr/bin/env bash
# The manual pages name every option that --help names: the program's options in
# zelkovar(1), and for each command that `zelkovar-nastroj --help` lists, a section of
# zelkovar-nastroj(1) with every option of that command's --help.
#   over-manualove-stranky.sh BIN MANDIR
set -euo pipefail
BIN=$1 MAN=$2
CHYBY=0
spatne() { echo "CHYBA: $*"; CHYBY=$((CHYBY + 1)); }

# The page as text to search: roff's escaped hyphens as plain ones.
strana() { zcat "$MAN/$1.1.gz" | sed 's/\\-/-/g'; }
# The options a --help offers: those of its usage lines (up to the first blank line)
# and those that open a line of their own; an option only mentioned in the text (of
# another command) is not one.
volby() {
  awk 'NR == 1, /^$/ {print; next} /^ *--[a-z0-9]/ {print $1}' |
    grep -oE -- '--[a-z0-9][a-z0-9-]*' | sort -u
}
obsahuje() { grep -qE -- "$2([^a-z0-9-]|$)" <<<"$1"; }

ZELKOVAR=$(strana zelkovar)
grep -q '^\.TH ZELKOVAR 1 "[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]"' <<<"$ZELKOVAR" || spatne "zelkovar(1) bez data v .TH"
for v in $("$BIN/zelkovar" --help | volby); do
  obsahuje "$ZELKOVAR" "$v" || spatne "zelkovar(1) nezná volbu $v"
done

NASTROJ=$(strana zelkovar-nastroj)
grep -q '^\.TH ZELKOVAR-NASTROJ 1 "[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]"' <<<"$NASTROJ" || spatne "zelkovar-nastroj(1) bez data v .TH"
POMOC=$("$BIN/zelkovar-nastroj" --help)
for v in $(volby <<<"$(sed -n '1,/^Příkazy:/p' <<<"$POMOC")"); do
  obsahuje "$NASTROJ" "$v" || spatne "zelkovar-nastroj(1) nezná volbu $v"
done
PRIKAZY=$(sed -n '/^Příkazy:/,/^$/p' <<<"$POMOC" | awk '/^  [a-z]/ {print $1}')
[ -n "$PRIKAZY" ] || spatne "zelkovar-nastroj --help nevypsal žádný příkaz"
for p in $PRIKAZY; do
  ODDIL=$(awk -v p="$p" '$0 == ".SS " p {x = 1; next} /^\.S[SH] / {x = 0} x' <<<"$NASTROJ")
  if [ -z "$ODDIL" ]; then
    spatne "zelkovar-nastroj(1) nemá oddíl příkazu $p"
    continue
  fi
  for v in $("$BIN/zelkovar-nastroj" "$p" --help | volby); do
    [ "$v" = --help ] && continue # said once for every command
    obsahuje "$ODDIL" "$v" || spatne "zelkovar-nastroj(1), příkaz $p: chybí volba $v"
  done
done

echo "$CHYBY chyb"
[ "$CHYBY" -eq 0 ]
