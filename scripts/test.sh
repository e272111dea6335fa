#!/usr/bin/env bash
# Installs what is missing, builds Tessella and runs every test (unit, widget
# and whole-program). With --sanitize the build uses AddressSanitizer and
# UndefinedBehaviorSanitizer in a separate build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DTESSELLA_SANITIZE=ON -DTESSELLA_BENCHMARKS=OFF
    -DTESSELLA_WERROR=ON)
  # Qt and fontconfig keep caches alive until exit; leak reports from them
  # would drown real faults, so only memory errors and undefined behaviour fail.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  build=build
  # The configuration a distributor builds (Release), with debug information
  # for readable failures; warnings are errors here.
  flags=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O3 -DNDEBUG -g"
    "-DCMAKE_C_FLAGS_RELEASE=-O3 -DNDEBUG -g" -DTESSELLA_WERROR=ON)
fi

cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build" -j"$(nproc)"
# One test at a time: every test case runs as a process of its own, and the
# cases of one folder share its scratch folders and key store.
ctest --test-dir "$build" --output-on-failure --timeout 600
