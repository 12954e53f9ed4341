#!/usr/bin/env bash
# Builds the Debian packages zelkovar_<version>_<arch>.deb (the programs, help, icon,
# desktop entry, manual pages) and zelkovar-dbgsym_… (their debug information) into
# balicek/, with Debian's hardening flags, and checks them with lintian and
# desktop-file-validate. Install on a precinct PC with:
#   sudo apt install ./balicek/zelkovar_<version>_<arch>.deb
# The packages are reproducible: built again from the same commit, in any directory,
# they are the same to the byte (scripts/reprodukovatelnost.sh proves it).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --baleni

BUILD=${BUILD:-build-balicek}
CIL=${CIL:-$PWD/balicek}
# Every time stamp (archive members, Qt's resources) is the last commit's.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
# Debian's compiler and linker flags for packages, every hardening feature on; the
# directory of the sources does not end up in the programs or their debug information.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS -ffile-prefix-map=$PWD=."
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELKOVAR_TESTS=OFF >/dev/null
cmake --build "$BUILD"
rm -rf "$CIL"
cpack --config "$BUILD/CPackConfig.cmake" -B "$CIL" >/dev/null
rm -rf "$CIL/_CPack_Packages"

echo
echo "== lintian"
lintian --fail-on error --display-level ">=warning" "$CIL"/*.deb
echo "== desktop-file-validate"
desktop-file-validate app/zelkovar.desktop
if command -v appstreamcli >/dev/null; then
  echo "== appstreamcli validate"
  appstreamcli validate --no-net app/*.metainfo.xml
fi
echo
for deb in "$CIL"/*.deb; do
  echo "$deb: $(stat -c %s "$deb") B"
done
echo "Závislosti: $(dpkg-deb -f "$CIL"/zelkovar_*.deb Depends)"
