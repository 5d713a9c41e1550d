#!/usr/bin/env bash
# Builds the Release programs and the Debian package build/quintara_<version>_<arch>.deb.
# Usage: scripts/package.sh   (build directory: $BUILD_DIR, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
scripts/install-deps.sh
# The web edition first: the configuration below ships what it built.
scripts/web.sh --build-only > /dev/null
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j "$(nproc)" --target quintara quintara-odds quintara_install_files
rm -f "$build"/quintara_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
ls "$build"/quintara_*.deb
