#!/usr/bin/env bash
# Installs the Debian 12 packages Zelkovar needs; this is the only place that lists
# them. One mode per need, each with everything the modes before it need:
#   --beh         running the programs on a precinct PC (the package zelkovar depends
#                 on the same: cmake/Balicek.cmake names the ones that
#                 dpkg-shlibdeps cannot find in the programs)
#   --sestaveni   building the program and the station tool (scripts/demo.sh)
#   --testy       building and running the test suite (scripts/test.sh)
#   --baleni      building and checking the Debian packages (scripts/balicek.sh)
#   --klavesnice  the tests and what the keyboard-driven run needs (scripts/klavesnice.sh)
# Without options: everything, the developers' tools (benchmarks, fuzzing, formatting,
# clang-tidy) too.
set -euo pipefail

# Running: Qt's libraries (with their screen and printer plugins), zlib, libgcrypt,
# libcups (whether a queue took a print job), the fonts the printouts are measured with,
# the windows' font, Qt's Czech translations.
BEH=(libqt6widgets6 libqt6printsupport6 zlib1g libgcrypt20 libcups2 fonts-liberation fonts-dejavu-core qt6-translations-l10n)
# Building: the compiler, CMake and the libraries' headers.
SESTAVENI=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools zlib1g-dev libgcrypt20-dev libcups2-dev)
# Testing: a virtual screen, PDF text, fault injection, the package check (with its icons),
# the print test's own scheduler and its queue tools.
TESTY=(xvfb xauth poppler-utils strace dpkg-dev desktop-file-utils librsvg2-bin cups-daemon cups-client)
# Packaging: the package tools, the package lint and rsvg-convert for the icon sizes.
BALENI=(dpkg-dev lintian desktop-file-utils librsvg2-bin)
# The developers' tools: benchmarks, fuzzing with clang, the formatter and the linter CI runs.
VYVOJ=(libbenchmark-dev clang-14 libclang-rt-14-dev clang-format clang-tidy)

case "${1:-}" in
  "") PACKAGES=("${BEH[@]}" "${SESTAVENI[@]}" "${TESTY[@]}" "${BALENI[@]}" "${VYVOJ[@]}") ;;
  --beh) PACKAGES=("${BEH[@]}") ;;
  --sestaveni) PACKAGES=("${BEH[@]}" "${SESTAVENI[@]}") ;;
  --testy) PACKAGES=("${BEH[@]}" "${SESTAVENI[@]}" "${TESTY[@]}") ;;
  --baleni) PACKAGES=("${BEH[@]}" "${SESTAVENI[@]}" "${BALENI[@]}") ;;
  --klavesnice) PACKAGES=("${BEH[@]}" "${SESTAVENI[@]}" "${TESTY[@]}" xdotool imagemagick python3-pycryptodome) ;;
  *) echo "Použití: scripts/install-deps.sh [--beh | --sestaveni | --testy | --baleni | --klavesnice]" >&2; exit 2 ;;
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
