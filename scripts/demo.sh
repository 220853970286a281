#!/usr/bin/env bash
# Builds the library natively and runs the demo.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLM_BUILD_DIR:-$root/build/native}

"$root/scripts/install-deps.sh" --native-only
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPLM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target plmdemo -j"$(nproc)" >/dev/null
"$build/examples/demo/plmdemo"
