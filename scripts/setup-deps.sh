#!/usr/bin/env bash
# Installs the Debian packages that Vacanzio needs to build and run, only
# when something is missing; with --tests, also what only the tests use.
set -euo pipefail

PACKAGES=(
  build-essential
  cmake
  qt6-base-dev
  qt6-qpa-plugins
  libgl-dev
  fonts-liberation
  fonts-dejavu-core
  libxlsxwriter-dev
  libzip-dev
  pkg-config
  poppler-utils
  qt6-svg-dev
  file
  dpkg-dev
)
# qt6-svg-dev renders the icon's PNG sizes; file and dpkg-dev let CPack work
# out the package's dependencies (scripts/package.sh).
# LibreOffice reads the spreadsheet exports back in the tests; the package
# test validates the menu entry and the metainfo and runs lintian.
TEST_PACKAGES=(
  libreoffice-calc-nogui
  desktop-file-utils
  appstream
  lintian
)
if [ "${1:-}" = "--tests" ]; then
  PACKAGES+=("${TEST_PACKAGES[@]}")
fi

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    SUDO=sudo
  else
    echo "Vacanzio: mancano questi pacchetti Debian: ${missing[*]}" >&2
    echo "Installarli come amministratore con:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
else
  SUDO=
fi

echo "Vacanzio: installo ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
