#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer) and runs
# each for a short, bounded time from the seed corpus. Any finding fails the run.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/fuzz}
seconds=${PLM_FUZZ_SECONDS:-20}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DPLM_BUILD_FUZZ=ON \
  -DPLM_BUILD_TESTS=OFF -DPLM_BUILD_TOOLS=OFF >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target plm_fuzzers -j"$(nproc)" >"$build.build.log" 2>&1 || { tail -n 40 "$build.build.log"; exit 1; }

status=0
for fuzzer in "$build"/fuzz/fuzz_*; do
  name=$(basename "$fuzzer")
  work="$build/corpus/$name"
  mkdir -p "$work"
  cp -n "$root"/fuzz/corpus/* "$work"/ 2>/dev/null
  if "$fuzzer" -max_total_time="$seconds" -max_len=400 -timeout=10 -artifact_prefix="$build/$name-" \
       -print_final_stats=0 "$work" >"$build/$name.log" 2>&1; then
    echo "$name: clean ($(grep -Eo 'Done [0-9]+ runs' "$build/$name.log" | tail -n1 | grep -Eo '[0-9]+') runs in ${seconds}s)"
  else
    echo "$name: FINDING"; tail -n 40 "$build/$name.log"; status=1
  fi
done
exit $status
