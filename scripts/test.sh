#!/usr/bin/env bash
# Builds everything and runs every test: the web edition, the normal build,
# the web page in a browser against the normal build's quintara-odds, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build, then short fuzzing runs.
# The Release build is also packaged (with the web edition) and the package checked.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/install-deps.sh --web-build --web-test

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# How long each part took, said at the end.
timings=()
part() { timings+=("$(printf '%4d s  %s' $((SECONDS - started)) "$1")"); started=$SECONDS; }
started=$SECONDS
trap 'printf "%s\n" "${timings[@]}"' EXIT

# The web edition first: the Release configuration ships what it built.
scripts/web.sh --build-only
part "web build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
part "Release build"
(cd build && ctest --output-on-failure -j "$jobs")
part "Release tests"
# Debian's python3 carries python3-selenium, whatever python3 stands first on PATH;
# axe-core, the accessibility checker the test injects, comes pinned from npm.
(cd tests/e2e && npm ci --no-audit --no-fund)
/usr/bin/python3 tests/e2e/web_page_test.py build-web build/cli/quintara-odds
part "web page test"
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
