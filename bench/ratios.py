"""Turns paired benchmark results into goal ratios (same run, same frames)."""
import json
import statistics
import sys

# name, our side, its floor, goal (ratio at most)
GOALS = [
    ("scratch round trip / decode from memory", "ScratchRoundTrip", "DecodeFromMemory", 1.08),
    ("table next + read GR / pread", "TableNextReadGr", "PreadSameBytes", 3.0),
    ("insert per frame / copy floor", "InsertFrame", "CopyFloor", 2.0),
]


def main(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    times = {}
    for r in runs:
        if r.get("run_type") != "iteration":
            continue
        times.setdefault(r["run_name"], []).append(r["real_time"])
    for name, ours, floor, goal in GOALS:
        if ours not in times or floor not in times:
            print(f"{name}: not measured")
            continue
        # Pair repetition i with repetition i: both sides ran back to back.
        ratios = [a / b for a, b in zip(times[ours], times[floor])]
        med = statistics.median(ratios)
        verdict = "ok" if med <= goal else "short"
        print(f"{name}: {med:.3f} (runs {min(ratios):.3f}..{max(ratios):.3f}), goal <= {goal}, {verdict}")


if __name__ == "__main__":
    main(sys.argv[1])
