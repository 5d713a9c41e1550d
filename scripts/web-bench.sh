#!/usr/bin/env bash
# Measures the web edition against its targets: wasm size, load to the first
# interactive picker, the engine in the browser beside the native engine_bench,
# and the page's OK against 1, 3 and 5 opponents: its own task, the time to the
# workers' first figures and to their last, the longest task meanwhile.
# Usage: scripts/web-bench.sh [native Release build directory, default build-release]
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build-release}
scripts/install-deps.sh --web-build --web-test
scripts/web.sh --build-only > /dev/null
cmake --build build-web --target quintara_web_bench > /dev/null
[ -f "$native/CMakeCache.txt" ] || cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$native" --target engine_bench > /dev/null
/usr/bin/python3 bench/web/web_bench.py build-web "$native/bench/engine_bench"
