#!/usr/bin/env bash
# Installs what is missing, builds Tessella and starts the game. Arguments are
# passed to the program (a saved game, a picture, or /V).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target tessella tessella_data
exec build/bin/tessella "$@"
