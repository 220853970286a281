#!/usr/bin/env bash
# Builds everything and runs every test: natively, natively under ASan+UBSan, the installed
# package with the example client, the Windows x86_64 DLL with the same test programs under Wine,
# the i686 DLL (compiled and linked only) and a short run of every fuzzer.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${PLM_BUILD_ROOT:-$root/build}
jobs=$(nproc)
passed=0
failed=0
failed_stages=()

"$root/scripts/install-deps.sh" || { echo "could not install the build tools"; exit 1; }

stage() { echo; echo "=== $*"; }
fail_stage() { failed_stages+=("$1"); }

# run_ctest NAME BUILD_DIR [prefix command...]: runs the suites of a build and adds up the counts.
run_ctest() {
  local name=$1 dir=$2; shift 2
  local log="$dir/ctest.log"
  "$@" ctest --test-dir "$dir" --output-on-failure -j"$jobs" 2>&1 | tee "$log"
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n1)
  if [ -z "$line" ]; then fail_stage "$name (no test ran)"; failed=$((failed + 1)); return; fi
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
  [ "$bad" -eq 0 ] || fail_stage "$name"
}

build() {  # build NAME DIR cmake-args...
  local name=$1 dir=$2; shift 2
  cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; fail_stage "$name (configure)"; return 1; }
  cmake --build "$dir" -j"$jobs" >"$dir.build.log" 2>&1 || { tail -n 60 "$dir.build.log"; fail_stage "$name (build)"; return 1; }
}

mkdir -p "$out"

stage "native build and tests"
build native "$out/native" -DCMAKE_BUILD_TYPE=Debug && run_ctest native "$out/native"

stage "native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
build sanitize "$out/sanitize" -DCMAKE_BUILD_TYPE=Debug -DPLM_SANITIZE=ON &&
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest sanitize "$out/sanitize"

stage "installed package and example client"
rm -rf "$out/prefix" "$out/client"
if cmake --install "$out/native" --prefix "$out/prefix" >/dev/null &&
   cmake -S "$root/examples/client" -B "$out/client" -DCMAKE_PREFIX_PATH="$out/prefix" >/dev/null &&
   cmake --build "$out/client" >/dev/null && "$out/client/plmclient"; then
  passed=$((passed + 1))
else
  failed=$((failed + 1)); fail_stage "installed package"
fi

stage "Windows x86_64 build and the same tests under Wine"
if build windows-x64 "$out/win64" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"; then
  run_ctest wine "$out/win64" "$root/scripts/wine-session.sh"

  stage "installed Windows package and the example client under Wine"
  rm -rf "$out/prefix-win64" "$out/client-win64"
  if cmake --install "$out/win64" --prefix "$out/prefix-win64" >/dev/null &&
     cmake -S "$root/examples/client" -B "$out/client-win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
       -DCMAKE_FIND_ROOT_PATH="$out/prefix-win64" >/dev/null &&
     cmake --build "$out/client-win64" >/dev/null &&
     cp "$out/prefix-win64/bin/PLMEDT60.dll" "$out/client-win64/" &&
     "$root/scripts/wine-session.sh" wine "$out/client-win64/plmclient.exe"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1)); fail_stage "installed Windows package"
  fi
fi

stage "Windows i686 build (compile and link: 32-bit record layouts)"
build windows-x86 "$out/win32" -DCMAKE_BUILD_TYPE=Release -DPLM_BUILD_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" && echo "PLMEDT60.dll (i686) linked"

if [ -x "$root/scripts/fuzz.sh" ]; then
  stage "fuzzers (short runs)"
  if "$root/scripts/fuzz.sh" "$out/fuzz"; then passed=$((passed + 1)); else failed=$((failed + 1)); fail_stage fuzz; fi
fi

echo
[ ${#failed_stages[@]} -eq 0 ] || echo "failed stages: ${failed_stages[*]}"
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ ${#failed_stages[@]} -eq 0 ]
