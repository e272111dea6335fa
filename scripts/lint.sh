#!/usr/bin/env bash
# Checks the naming style (docs/STYLE.md) with clang-tidy's
# readability-identifier-naming on the folders already brought to it. A folder
# joins the list once its names follow the style; code elsewhere is not
# checked. Needs a configured build folder with compile_commands.json (the
# one scripts/test.sh makes).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
folders=(game/src/commands game/src/settings game/src/help game/src/dialogs game/src/app game/src/savegame
  game/src/windows)

files=()
for folder in "${folders[@]}"; do
  files+=("$folder"/*.cpp)
done
# Headers of the checked folders only; the rules live in .clang-tidy.
filter="$(IFS='|'; echo "${folders[*]}")"
status=0
# The build may carry GCC-only warning options that clang does not know.
output=$(printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option --header-filter="($filter)/" 2>&1) ||
  status=$?
if [ "$status" -ne 0 ]; then
  echo "$output" | grep -E -A3 'error:|warning:' || echo "$output"
  echo "lint: names off the style in ${folders[*]}" >&2
  exit 1
fi
echo "lint: naming style holds in ${folders[*]}"
