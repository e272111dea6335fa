#!/usr/bin/env bash
# Checks the naming style (docs/STYLE.md) with clang-tidy's
# readability-identifier-naming on the folders already brought to it. A folder
# joins the list once its names follow the style; code elsewhere is not
# checked. Needs a configured build folder with compile_commands.json (the
# one scripts/test.sh makes).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
folders=(game/src/commands game/src/settings game/src/help game/src/dialogs game/src/app
  game/src/savegame game/src/windows)
# Classes already in the style inside folders that are not yet (source and
# header share the stem; a header-only class is checked through its users).
classes=(game/src/view/PuzzleFlow game/src/view/SavedGames game/src/view/OptionDialogs
  game/src/view/WorkspaceHost game/src/view/GameFlowHost game/src/view/AuxWindowLink)

files=()
for folder in "${folders[@]}"; do
  files+=("$folder"/*.cpp)
done
for class in "${classes[@]}"; do
  if [ -f "$class.cpp" ]; then files+=("$class.cpp"); fi
done
# Headers of the checked folders and classes only; the rules live in
# .clang-tidy.
filter="$(IFS='|'; echo "${folders[*]/%//}|${classes[*]/%/\.h}")"
status=0
# The build may carry GCC-only warning options that clang does not know.
output=$(printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option --header-filter="($filter)" 2>&1) ||
  status=$?
if [ "$status" -ne 0 ]; then
  echo "$output" | grep -E -A3 'error:|warning:' || echo "$output"
  echo "lint: names off the style in ${folders[*]} ${classes[*]}" >&2
  exit 1
fi
echo "lint: naming style holds in ${folders[*]} ${classes[*]}"
