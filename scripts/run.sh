#!/usr/bin/env bash
# Builds and installs Quintara into build/install, then starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
cmake --install build --prefix build/install > /dev/null
if [ -x build/install/bin/quintara ]; then
    exec build/install/bin/quintara "$@"
fi
exec build/install/bin/quintara-odds --opponents 3 2c 4s 7d 9c Qh
