#!/usr/bin/env bash
# Installs what is missing, builds Tessella with its pictures, sounds and help,
# and starts the game. Arguments are passed to the program (a saved game, a
# picture, or /V); without any, the game opens the picture selection at once
# (/V), so it starts ready to play.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" \
  --target tessella tessella_data tessella_pictures tessella_sounds tessella_icon
if [ "$#" -eq 0 ]; then
  set -- /V
fi
exec build/bin/tessella "$@"
