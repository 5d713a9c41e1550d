#!/usr/bin/env bash
# Checks the Debian package made from an already built Release tree: lintian
# without errors, a valid desktop entry and AppStream file, the web edition in
# place, and the programs working from an unpacked copy of the package.
# Usage: scripts/package-test.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

rm -f "$build"/quintara_*.deb
(cd "$build" && cpack -G DEB > "$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/quintara_*_"$(dpkg --print-architecture)".deb)
echo "== $deb"

status=0
lintian --fail-on error "$deb" > "$scratch/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$scratch/lintian.log" || true
[ "$status" -eq 0 ] || { echo "lintian reports errors" >&2; exit 1; }

dpkg -x "$deb" "$scratch/root"
usr=$scratch/root/usr
desktop-file-validate "$usr/share/applications/quintara.desktop"
appstreamcli validate --no-net --no-color "$usr"/share/metainfo/*.metainfo.xml > /dev/null
bash -n "$usr/share/bash-completion/completions/quintara-odds"
for page in "$usr"/share/man/man1/*.1.gz; do
    warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done

fail() { echo "package test: $*" >&2; exit 1; }
# The web edition, built before the tree was configured, ships whole.
web=$usr/share/quintara/web
for file in index.html app.js worker.js style.css sw.js manifest.webmanifest quintara.js quintara.wasm help.html \
            images/icon512.png images/bitmap142.png images/bitmap195@2x.png; do
    [ -s "$web/$file" ] || fail "the web edition lacks $file (run scripts/web.sh --build-only before configuring)"
done
hand=(--opponents 3 2c 4s 7d 9c Qh)
[ "$("$usr/bin/quintara-odds" "${hand[@]}")" = "$("$build/cli/quintara-odds" "${hand[@]}")" ] ||
    fail "installed quintara-odds answers differently"
answers=$(printf '%s\n' "${hand[*]}" '# skipped' 'Zz' | "$usr/bin/quintara-odds" --batch) && fail "a bad line exits 0"
[ "$(printf '%s\n' "$answers" | grep -c '^{"line": [13], ')" -eq 2 ] || fail "batch answers: $answers"

export QT_QPA_PLATFORM=offscreen
[ "$("$usr/bin/quintara" --help-path 2>/dev/null)" = "$usr/share/quintara/quintara.html" ] ||
    fail "help page not found in the installed layout"
timeout 30 "$usr/bin/quintara" --quit-after-start 2> "$scratch/gui.log" || { cat "$scratch/gui.log" >&2; fail "quintara did not start and quit"; }
echo "package test passed"
