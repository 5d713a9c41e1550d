#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this
# machine lacks. Does nothing when everything is there.
# Usage: scripts/install-deps.sh [--web-build] [--web-test]
#   no option: the native build and its tests; --web-build: the web edition's
#   compiler (scripts/web.sh); --web-test: the browser its test drives.
set -euo pipefail
native=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
        nlohmann-json3-dev qt6-base-dev fonts-liberation2 fontconfig xvfb xdotool imagemagick
        lintian desktop-file-utils appstream dpkg-dev file groff-base)
# Debian's emscripten runs its optimizer under node with the acorn parser.
web_build=(cmake ninja-build emscripten node-acorn)
web_test=(chromium chromium-driver python3-selenium fonts-liberation2)
packages=()
[ $# -eq 0 ] && packages=("${native[@]}")
for group in "$@"; do
    case $group in
        --web-build) packages+=("${web_build[@]}") ;;
        --web-test) packages+=("${web_test[@]}") ;;
        *) echo "usage: $0 [--web-build] [--web-test]" >&2; exit 2 ;;
    esac
done
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
