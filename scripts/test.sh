#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build, then short fuzzing runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUINTARA_SANITIZE=ON -DQUINTARA_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && QUINTARA_SANITIZED=1 ctest --output-on-failure -j "$jobs")

if [ -x scripts/fuzz.sh ]; then
    scripts/fuzz.sh 60
fi
