#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined sanitizers) in
# build-fuzz/ and runs each for MINUTES minutes (default 5), one after another,
# at the lowest priority. The corpus grows in build-fuzz/corpus/<target>, seeded
# from fuzz/seeds/<target>; a fault is saved as build-fuzz/<target>-crash-*.
#
#   scripts/fuzz.sh [MINUTES] [TARGET...]
#   FUZZ_RUNS=10000000 scripts/fuzz.sh 120 fuzz_csv_import   # stop after that many inputs
#
# Needs clang and its runtime (scripts/install-deps.sh --fuzz installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:-5}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=()
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DTOLVAN_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined" \
      ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
nice -n 19 cmake --build build-fuzz -j"${JOBS:-2}" --target "${targets[@]}"

for t in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$t
  mkdir -p "$corpus"
  dict=()
  [ -f "fuzz/$t.dict" ] && dict=(-dict="fuzz/$t.dict")
  seeds=()
  [ -d "fuzz/seeds/$t" ] && seeds=("fuzz/seeds/$t")
  echo "== $t: $minutes min"
  (cd build-fuzz && nice -n 19 "bin/$t" -max_total_time=$((minutes * 60)) ${FUZZ_RUNS:+-runs=$FUZZ_RUNS} -print_final_stats=1 \
      -artifact_prefix="$t-" "${dict[@]/#-dict=/-dict=../}" "corpus/$t" "${seeds[@]/#/../}") 2>&1 |
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)" || true
done
