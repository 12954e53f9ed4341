#!/usr/bin/env bash
# Installs the Debian 12 packages Zelkovar needs; this is the only place that lists
# them. Without options: everything to build, test and package it (and to run it).
#   --beh         only what a precinct PC needs to run the programs (the package
#                 zelkovar depends on the same: cmake/Balicek.cmake names the ones
#                 that dpkg-shlibdeps cannot find in the programs)
#   --klavesnice  also what the keyboard-driven run needs (scripts/klavesnice.sh)
set -euo pipefail

# Running: Qt's libraries (with their screen and printer plugins), zlib, libgcrypt,
# libcups (whether a queue took a print job), the fonts the printouts are measured with,
# the windows' font, Qt's Czech translations.
BEH=(libqt6widgets6 libqt6printsupport6 zlib1g libgcrypt20 libcups2 fonts-liberation fonts-dejavu-core qt6-translations-l10n)
# Building, testing and packaging.
SESTAVENI=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools zlib1g-dev libgcrypt20-dev libcups2-dev
  libbenchmark-dev clang-14 libclang-rt-14-dev
  xvfb xauth poppler-utils strace
  dpkg-dev librsvg2-bin lintian desktop-file-utils clang-format
  cups-daemon cups-client  # the print test's own scheduler and its queue tools
)

case "${1:-}" in
  "") PACKAGES=("${BEH[@]}" "${SESTAVENI[@]}") ;;
  --beh) PACKAGES=("${BEH[@]}") ;;
  --klavesnice) PACKAGES=("${BEH[@]}" "${SESTAVENI[@]}" xdotool imagemagick python3-pycryptodome) ;;
  *) echo "Použití: scripts/install-deps.sh [--beh | --klavesnice]" >&2; exit 2 ;;
esac

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
