#!/usr/bin/env bash
# The Debian package as a user gets it: built with CPack from this build
# folder, its menu entry and metainfo validated, lintian without errors,
# unpacked into a temporary root and started there headless with a fresh
# home folder, where it must make the user's data folder with the password
# file and then end by itself (--prova-avvio).
#   package_starts.sh <build folder>
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/out/vacanzio_*_amd64.deb)"
echo "package: $(basename "$deb")"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
grep -q "libqt6widgets6" <<<"$depends" || { echo "Depends computed without Qt Widgets"; exit 1; }

# lintian may warn; an error fails.
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in \
    usr/bin/vacanzio \
    usr/share/applications/it.vacanzio.Vacanzio.desktop \
    usr/share/metainfo/it.vacanzio.Vacanzio.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/it.vacanzio.Vacanzio.svg \
    usr/share/icons/hicolor/48x48/apps/it.vacanzio.Vacanzio.png \
    usr/share/icons/hicolor/256x256/apps/it.vacanzio.Vacanzio.png \
    usr/share/doc/vacanzio/Guida.pdf \
    usr/share/doc/vacanzio/copyright \
    usr/share/doc/vacanzio/changelog.gz \
    usr/share/man/man1/vacanzio.1.gz; do
  [ -s "$root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/it.vacanzio.Vacanzio.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/it.vacanzio.Vacanzio.metainfo.xml"

home="$work/home"
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
  timeout 60 "$root/usr/bin/vacanzio" --prova-avvio

data="$home/Documents/Vacanzio"
grep -q "^\[Accesso\]" "$data/unins000.dll" || { echo "no password file in $data"; exit 1; }
# Nothing written beside the installed program.
[ ! -e "$root/usr/bin/unins000.dll" ] || { echo "password file written beside the program"; exit 1; }
echo "data folder made: $data"
