#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and fuzzes each of them for SECONDS (default
# 60), starting from the seeds the project's writers make and the inputs
# that once failed. Prints the executions per target; an input that fails is
# left in build-fuzz/fuzz/findings/<target>/ — copy it to
# fuzz/regressions/<target>/ once the reader is fixed, so every build
# replays it.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#   scripts/fuzz.sh --seeds       rewrites the committed seed corpus fuzz/corpus
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSELLA_FUZZ=ON -DTESSELLA_TESTS=OFF -DTESSELLA_BENCHMARKS=OFF >/dev/null
all=()
for f in fuzz/targets/*.cpp; do all+=("$(basename "$f" .cpp)"); done
cmake --build "$build" -j"$(nproc)" --target "${all[@]/#/fuzz_}" fuzz_seeds

work=$(realpath "$build")/fuzz
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data TESSELLA_REGISTRY=$work/registry
# Qt and fontconfig keep caches alive until exit; leaks are not what we hunt.
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

if [ "${1:-}" = "--seeds" ]; then
  rm -rf fuzz/corpus
  "$build/bin/fuzz_seeds" fuzz/corpus
  find fuzz/corpus -type f | sort
  exit 0
fi

seconds=${1:-60}
shift || true
if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=("${all[@]}")
fi

rm -rf "$work/seeds"
"$build/bin/fuzz_seeds" "$work/seeds"

status=0
printf '%-14s %12s %8s %s\n' target executions exec/s result
for t in "${targets[@]}"; do
  mkdir -p "$work/corpus/$t" "$work/findings/$t" "$work/seeds/$t"
  log=$work/$t.log
  seeds=("$work/seeds/$t" "fuzz/corpus/$t")
  [ -d "fuzz/regressions/$t" ] && seeds+=("fuzz/regressions/$t")
  # shellcheck disable=SC2046
  if "$build/bin/fuzz_$t" $(cat "$work/$t.options") -max_total_time="$seconds" \
      -detect_leaks=0 -print_final_stats=1 -artifact_prefix="$work/findings/$t/" \
      "$work/corpus/$t" "${seeds[@]}" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (see $log)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-14s %12s %8s %s\n' "$t" "${runs:-?}" "${speed:-?}" "$result"
done
exit $status
