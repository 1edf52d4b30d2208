#!/usr/bin/env bash
# Installs what is missing, builds from scratch and runs every test suite
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh --tests
rm -rf build-test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVACANZIO_FORCE_ASSERTS=ON
cmake --build build-test -j2
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
