#!/usr/bin/env bash
# The tests' share of the code, counted over the tracked C++ sources: lines
# that are neither blank nor only a comment; test lines are those under
# tests/ or with "test" in the path; the ratio is test lines / other lines.
#
#   scripts/test-ratio.sh     prints "tests N, code M, ratio R%"
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -- "$@" | grep -E '\.(cpp|cc|cxx|h|hpp)$' | xargs -r cat | grep -c -v -E '^\s*(//.*)?$' || true; }
t=$(count 'tests/*' '*test*')
all=$(count '*')
c=$((all - t))
awk -v t="$t" -v c="$c" 'BEGIN { printf "tests %d, code %d, ratio %.1f%%\n", t, c, c ? 100 * t / c : 0 }'
