#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined sanitizers)
# and runs each for the given number of seconds (default 60), growing the
# corpus kept under fuzz/corpus. Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUINTARA_FUZZ=ON -DQUINTARA_GUI=OFF -DQUINTARA_TESTS=OFF -DQUINTARA_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-fuzz -j "$(nproc)" --target game_flow_fuzzer odds_args_fuzzer

# The two targets run side by side, one per core.
pids=()
for target in game_flow odds_args; do
    corpus=fuzz/corpus/$target
    mkdir -p "$corpus" build-fuzz/artifacts
    build-fuzz/fuzz/${target}_fuzzer "$corpus" -max_total_time="$seconds" -max_len=256 \
        -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1 > "build-fuzz/$target.log" 2>&1 &
    pids+=($!)
done
status=0
for i in 0 1; do
    wait "${pids[$i]}" || status=1
done
for target in game_flow odds_args; do
    echo "== fuzzing $target for ${seconds}s"
    grep -E '^(Done|stat::|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)' "build-fuzz/$target.log" || true
done
if [ "$status" -ne 0 ]; then
    echo "A fuzz target failed; its input is under build-fuzz/artifacts/" >&2
    tail -n 40 build-fuzz/*.log >&2
fi
exit "$status"
