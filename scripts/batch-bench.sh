#!/usr/bin/env bash
# Throughput of quintara-odds --batch on the Release build: 100,000 random
# valid requests without --holds, then 10,000 with --holds, from a fixed seed.
# Usage: scripts/batch-bench.sh [--jobs N]   (build directory: $BUILD_DIR, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
nice -n 10 cmake --build "$build" -j2 --target quintara-odds > /dev/null
odds=$build/cli/quintara-odds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seeded requests: five distinct cards, 1 to 5 opponents; without --holds half
# of them are final hands with 1 to 3 cards discarded and drawn.
generate() { # count holds seed
    awk -v count="$1" -v holds="$2" -v seed="$3" 'BEGIN {
        srand(seed); split("2 3 4 5 6 7 8 9 T J Q K A", r, " "); split("c d h s", s, " ")
        for (i = 0; i < 52; i++) card[i] = r[i % 13 + 1] s[int(i / 13) + 1]
        for (n = 0; n < count; n++) {
            for (i = 51; i > 0; i--) { j = int(rand() * (i + 1)); t = card[i]; card[i] = card[j]; card[j] = t }
            line = "--opponents " (int(rand() * 5) + 1)
            if (holds) line = line " --holds"
            else if (rand() < 0.5) {
                k = int(rand() * 3) + 1; d = card[0]; w = card[5]
                for (i = 1; i < k; i++) { d = d "," card[i]; w = w "," card[5 + i] }
                line = line " --discard " d " --draw " w
            }
            print line, card[0], card[1], card[2], card[3], card[4]
        }
    }'
}

run() { # name count holds seed
    generate "$2" "$3" "$4" > "$work/in"
    local start end
    start=$(date +%s.%N)
    "$odds" --batch "${@:5}" < "$work/in" > "$work/out"
    end=$(date +%s.%N)
    [ "$(grep -c '"error"' "$work/out" || true)" -eq 0 ] || { echo "bad lines in $1" >&2; exit 1; }
    [ "$(wc -l < "$work/out")" -eq "$2" ] || { echo "missing answers in $1" >&2; exit 1; }
    awk -v name="$1" -v n="$2" -v start="$start" -v end="$end" \
        'BEGIN { t = end - start; printf "%-14s %7d lines in %7.2f s: %9.0f lines/s\n", name, n, t, n / t }'
}

echo "quintara-odds --batch${*:+ $*}, $(nproc) cores"
run "without holds" 100000 0 1 "$@"
run "with holds" 10000 1 2 "$@"
