#!/usr/bin/env bash
# Builds the web edition into build-web/site/ and serves it on
# http://127.0.0.1:8080/ (Ctrl+C stops the server).
# Usage: scripts/web.sh [--build-only]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --web-build
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja > /dev/null
cmake --build build-web -j "$(nproc)"
[ "${1:-}" = "--build-only" ] && exit 0
echo "Quintara is served at http://127.0.0.1:8080/"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
