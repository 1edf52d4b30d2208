#!/usr/bin/env bash
# Installs what is missing, builds and starts the program on the program
# folder that the build prepares (build/programma).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
exec build/programma/vacanzio "$@"
