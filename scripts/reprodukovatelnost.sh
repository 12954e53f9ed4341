#!/usr/bin/env bash
# Builds the Debian packages twice, from two clones of the last commit (or KOMIT) in two
# different directories, and compares them byte by byte. Takes two full builds (about
# eleven minutes each on two quiet cores), so it runs in .ci/run, not in the test suite.
#   scripts/reprodukovatelnost.sh [WORKDIR]
set -euo pipefail
ZDROJ=$(cd "$(dirname "$0")/.." && pwd)
T=${1:-$(mktemp -d)}
mkdir -p "$T"
# Both builds are of one commit, even when the branch moves on while the first builds.
KOMIT=${KOMIT:-$(git -C "$ZDROJ" rev-parse HEAD)}
for k in prvni druhy/hloubeji; do
  rm -rf "${T:?}/$k"
  git clone -q "$ZDROJ" "$T/$k/zelkovar"
  git -C "$T/$k/zelkovar" checkout -q "$KOMIT"
  echo "== sestavení v $T/$k/zelkovar"
  (cd "$T/$k/zelkovar" && bash scripts/balicek.sh >"$T/${k%%/*}.log" 2>&1) || {
    tail -30 "$T/${k%%/*}.log"
    exit 1
  }
done
RUZNE=0
for deb in "$T"/prvni/zelkovar/balicek/*.deb; do
  jmeno=$(basename "$deb")
  druhy=$T/druhy/hloubeji/zelkovar/balicek/$jmeno
  if cmp -s "$deb" "$druhy"; then
    echo "shodné: $jmeno ($(sha256sum <"$deb" | cut -c1-16)…)"
  else
    echo "LIŠÍ SE: $jmeno"
    RUZNE=1
    command -v diffoscope >/dev/null && diffoscope "$deb" "$druhy" | head -60
  fi
done
exit $RUZNE
