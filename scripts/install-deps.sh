#!/usr/bin/env bash
# Installs the Debian 12 packages Zelkovar needs to build, test and run; with
# --klavesnice also those of the keyboard-driven run (scripts/klavesnice.sh).
# This is the only place that lists them.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libqt6printsupport6
  zlib1g-dev libgcrypt20-dev
  fonts-liberation
  libbenchmark-dev
  clang-14 libclang-rt-14-dev
  xvfb xauth poppler-utils strace
)
if [ "${1:-}" = "--klavesnice" ]; then
  PACKAGES+=(xdotool imagemagick python3-pycryptodome)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Instaluji chybějící balíčky: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
