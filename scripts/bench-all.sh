#!/usr/bin/env bash
# Every benchmark at once, into one markdown table of the key figures: the
# engine's benchmarks of bench/, the batch benchmark (scripts/batch-bench.sh)
# and the web benchmark (scripts/web-bench.sh, when build-web exists). The
# desktop's probes of bench/ui run when the build has them.
# Usage: scripts/bench-all.sh [Release build directory, default build-release]
#   lines in the batch mix: $BATCH_LINES (default 5000)
# About three minutes on 2 cores once built; the table goes to stdout, the
# raw output of each benchmark to stderr.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
engine_benches=()
for source in bench/*_bench.cpp; do
    engine_benches+=("$(basename "$source" .cpp)")
done
nice -n 10 cmake --build "$build" -j2 --target "${engine_benches[@]}" quintara-odds > /dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for name in "${engine_benches[@]}"; do
    echo "== $name" >&2
    "$build/bench/$name" --benchmark_min_time=0.3 --benchmark_out="$work/$name.json" \
        --benchmark_out_format=json >&2 || echo "$name failed" >&2
done

echo "== batch" >&2
BUILD_DIR=$build BATCH_LINES=${BATCH_LINES:-5000} scripts/batch-bench.sh | tee "$work/batch.txt" >&2

echo "== web" >&2
if [ -f build-web/CMakeCache.txt ]; then
    scripts/web-bench.sh "$build" | tee "$work/web.txt" >&2 || echo "failed" > "$work/web.txt"
else
    echo "not built (scripts/web.sh --build-only)" > "$work/web.txt"
fi

echo "== ui" >&2
if [ -x "$build/bench/ui/paint_bench" ]; then
    # A probe that fails says so in its row; the others still count.
    QT_QPA_PLATFORM=offscreen "$build/bench/ui/paint_bench" --benchmark_min_time=0.3 \
        --benchmark_out="$work/paint_bench.json" --benchmark_out_format=json >&2 ||
        echo "paint_bench: exit $?" > "$work/ui.txt"
    { QT_QPA_PLATFORM=offscreen "$build/bench/ui/startup_probe" 5 || echo "startup_probe: failed"; } |
        tail -n 1 >> "$work/ui.txt"
    { QT_QPA_PLATFORM=offscreen "$build/bench/ui/memory_probe" || echo "memory_probe: failed"; } |
        tail -n 1 >> "$work/ui.txt"
else
    echo "not built (cmake --build $build --target paint_bench startup_probe memory_probe)" > "$work/ui.txt"
fi

/usr/bin/python3 - "$work" "$build" "$(nproc)" <<'EOF'
import json, os, re, sys

work, build, cores = sys.argv[1:4]
rows = []

def add(group, figure, value, target=""):
    rows.append((group, figure, value, target))

def load(name):
    path = os.path.join(work, name + ".json")
    if not os.path.exists(path):
        return []
    return [b for b in json.load(open(path))["benchmarks"] if b.get("run_type") != "aggregate"]

def per_item(b):
    # In the largest unit that keeps the figure at 1 or more.
    seconds = b["real_time"] * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b.get("time_unit", "ns")]
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("us", 1e-6)):
        if seconds >= scale:
            return "%.3g %s" % (seconds / scale, unit)
    return "%.3g ns" % (seconds / 1e-9)

def rate(value):
    return "{:,.0f}".format(value)

targets = {
    "BM_CountPairShowdown": "at most 2 ms",
    "BM_CountInitialHands": "at most 0.2 ms",
    "BM_CountFinalHands": "at most 0.2 ms",
}
for name in sorted(f[:-5] for f in os.listdir(work) if f.endswith(".json") and f != "paint_bench.json"):
    for b in load(name):
        label = b["name"].split("/real_time")[0]
        if "deals_per_s" in b:
            target = ""
            if label.startswith("BM_EquityDeals"):
                target = "3x the before figure"
            elif label.startswith("BM_EquitySeenDeals"):
                target = "a third of BM_EquityDeals/5"
            add(name, label + ": deals a second", rate(b["deals_per_s"]), target)
        elif "widest_points" in b:
            add(name, label + ": widest half-width (points)", "%.3f" % b["widest_points"])
        else:
            add(name, label + ": time an iteration", per_item(b), targets.get(label.split("/")[0], ""))
        if "speedup" in b:
            add(name, label + ": speedup", "%.1f" % b["speedup"])

batch_targets = {"mix 1-5": "at least 1,000", "against 1": "at least 10,000"}
for line in open(os.path.join(work, "batch.txt")):
    m = re.match(r"(.+?)\s+(\d+) lines in\s+([\d.]+) s:\s+(\d+) lines/s, peak\s+([\d.]+) MB", line)
    if m:
        name = m.group(1)
        add("batch", name + ": lines a second", rate(float(m.group(4))), batch_targets.get(name, ""))
        if name == "mix 1-5":
            add("batch", "mix 1-5: peak memory (%s lines)" % m.group(2), m.group(5) + " MB", "under 20 MB")
    m = re.match(r"holds: added\s+(-?[\d.]+) ms", line)
    if m:
        add("batch", "--holds: added a line", m.group(1) + " ms", "at most 0.5 ms")

web = open(os.path.join(work, "web.txt")).read().strip().splitlines()
if len(web) == 1 and not web[0].startswith("quintara.wasm"):
    add("web", "web benchmark", web[0])
else:
    for line in web:
        if ":" in line:
            figure, value = line.split(":", 1)
            add("web", figure.strip(), value.strip())

for b in load("paint_bench"):
    add("ui", b["name"] + ": time an iteration", per_item(b))
for line in open(os.path.join(work, "ui.txt")).read().strip().splitlines():
    if ":" in line:
        figure, value = line.split(":", 1)
        add("ui", figure.strip(), value.strip())
    else:
        add("ui", "desktop probes", line)

load = open("/proc/loadavg").read().split()[0]
print("Release build `%s`, %s cores, load average %s at the end (`scripts/bench-all.sh`)\n" % (build, cores, load))
print("| benchmark | figure | value | target |")
print("| --- | --- | --- | --- |")
for row in rows:
    print("| %s |" % " | ".join(c.replace("|", "/") for c in row))
EOF
