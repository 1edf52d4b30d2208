#!/usr/bin/env bash
# Installs what is missing, builds the program alone (with the tools that
# prepare its folder, not the tests) and starts it on the program folder
# that the build prepares (build/programma).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target vacanzio
exec build/programma/vacanzio "$@"
