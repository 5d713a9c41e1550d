#!/usr/bin/env bash
# Throughput of quintara-odds --batch on the Release build, from fixed seeds:
# a mix of plain requests (no --holds, no --equity) against 1 to 5 opponents,
# half of them final hands; the same mix by number of opponents; then lines
# with --holds beside the very same lines without it.
# Usage: scripts/batch-bench.sh [--jobs N]
#   build directory: $BUILD_DIR (default build); lines in the mix:
#   $BATCH_LINES (default 100000; a tenth of it for each other row).
# Targets (2 cores): the mix at least 1,000 lines/s, 10,000 against one
# opponent; --holds at most 0.5 ms more a line; peak memory under 20 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
lines=${BATCH_LINES:-100000}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
nice -n 10 cmake --build "$build" -j2 --target quintara-odds > /dev/null
odds=$build/cli/quintara-odds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seeded requests: five distinct cards against `opponents` (0: 1 to 5 at
# random); without --holds half of them are final hands with 1 to 3 cards
# discarded and drawn.
generate() { # count holds seed opponents
    awk -v count="$1" -v holds="$2" -v seed="$3" -v opponents="$4" 'BEGIN {
        srand(seed); split("2 3 4 5 6 7 8 9 T J Q K A", r, " "); split("c d h s", s, " ")
        for (i = 0; i < 52; i++) card[i] = r[i % 13 + 1] s[int(i / 13) + 1]
        for (n = 0; n < count; n++) {
            for (i = 51; i > 0; i--) { j = int(rand() * (i + 1)); t = card[i]; card[i] = card[j]; card[j] = t }
            line = "--opponents " (opponents ? opponents : int(rand() * 5) + 1)
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

# Answers the lines of $work/in; prints the seconds taken, and the peak
# memory in kB into $work/peak.
answer() {
    local start end
    start=$(date +%s.%N)
    /usr/bin/time -f %M -o "$work/peak" "$odds" --batch "$@" < "$work/in" > "$work/out"
    end=$(date +%s.%N)
    [ "$(grep -c '"error"' "$work/out" || true)" -eq 0 ] || { echo "bad lines" >&2; exit 1; }
    [ "$(wc -l < "$work/out")" -eq "$(wc -l < "$work/in")" ] || { echo "missing answers" >&2; exit 1; }
    awk -v start="$start" -v end="$end" 'BEGIN { printf "%.3f\n", end - start }'
}

report() { # name count seconds
    awk -v name="$1" -v n="$2" -v t="$3" -v kb="$(cat "$work/peak")" \
        'BEGIN { printf "%-16s %7d lines in %7.2f s: %9.0f lines/s, peak %5.1f MB\n", name, n, t, n / t, kb / 1024 }'
}

run() { # name count holds seed opponents [--jobs N]
    generate "$2" "$3" "$4" "$5" > "$work/in"
    report "$1" "$2" "$(answer "${@:6}")"
}

echo "quintara-odds --batch${*:+ $*}, $(nproc) cores"
run "mix 1-5" "$lines" 0 1 0 "$@"
each=$((lines / 10 > 0 ? lines / 10 : 1))
for n in 1 2 3 4 5; do
    run "against $n" "$each" 0 $((10 + n)) "$n" "$@"
done
# --holds: the same lines with and without it.
generate "$each" 1 2 0 > "$work/holds"
sed 's/ --holds//' "$work/holds" > "$work/in"
without=$(answer "$@")
report "holds: without" "$each" "$without"
cp "$work/holds" "$work/in"
with=$(answer "$@")
report "holds: with" "$each" "$with"
awk -v n="$each" -v a="$without" -v b="$with" \
    'BEGIN { printf "%-16s %.3f ms a line\n", "holds: added", 1000 * (b - a) / n }'
