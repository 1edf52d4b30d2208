#!/usr/bin/env bash
# Builds the Debian package, vacanzio_<version>_amd64.deb, with CPack in its
# own build folder (build-package, or $BUILD_DIR), without the tests and the
# benchmarks. Install it with: sudo apt install ./build-package/vacanzio_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
BUILD_DIR="${BUILD_DIR:-build-package}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DVACANZIO_BENCHMARKS=OFF
cmake --build "$BUILD_DIR" -j2
cd "$BUILD_DIR"
cpack -G DEB
ls -1 "$PWD"/vacanzio_*_amd64.deb
