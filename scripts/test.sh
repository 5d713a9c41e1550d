#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build, then short fuzzing runs.
# The Release build is also packaged and the package checked.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# How long each part took, said at the end.
timings=()
part() { timings+=("$(printf '%4d s  %s' $((SECONDS - started)) "$1")"); started=$SECONDS; }
started=$SECONDS
trap 'printf "%s\n" "${timings[@]}"' EXIT

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
part "Release build"
(cd build && ctest --output-on-failure -j "$jobs")
part "Release tests"
# The Debian package of that Release build, checked unpacked.
scripts/package-test.sh build
part "package"

# The sanitized build skips what it cannot check better than the normal one
# (benchmarks, the artwork generator) and trades optimisation for build time.
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE= \
    -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
    -DQUINTARA_SANITIZE=ON -DQUINTARA_BENCH=OFF -DQUINTARA_TOOLS=OFF
cmake --build build-sanitize -j "$jobs"
part "sanitized build"
(cd build-sanitize && QUINTARA_SANITIZED=1 ctest --output-on-failure -j "$jobs")
part "sanitized tests"

scripts/fuzz.sh "${QUINTARA_FUZZ_SECONDS:-60}"
part "fuzzing"
