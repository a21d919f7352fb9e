#!/usr/bin/python3
"""Runs every benchmark on this machine in one go and prints one table: the statistics
engine and each chart by series length, the everyday buttons on 10,000 values, and the
program's start-up and peak memory against a bare Qt window (median of alternating runs
under a private X server). Usage: bench/run.py <build folder> [runs]"""

import json
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from harness import Desktop  # noqa: E402

FRAME_MS = 16.0
# The goal of each measure, by the start of its name: one frame for what a click does,
# longer for what goes through a file. Extreme values have none: they must only end.
# The recovery's writes happen on a thread of their own, once a second at most: what the
# learner's thread pays for them is recovery_hand_over.
GOALS = [("open_", 100.0), ("save_", 100.0), ("export/", 200.0), ("hostile_", None),
         ("recovery_write", 1000.0), ("individuals_", 50.0)]


def goal_of(name):
    for start, goal in GOALS:
        if name.startswith(start):
            return goal
    return FRAME_MS


def in_process(build):
    # The median of three short runs each: this machine's other work moves single runs.
    out = subprocess.run([os.path.join(build, "bench", "stat_bench"), "--benchmark_format=json",
                          "--benchmark_min_time=0.05", "--benchmark_repetitions=3",
                          "--benchmark_report_aggregates_only=true"],
                         capture_output=True, text=True, check=True, timeout=900).stdout
    rows = []
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"].replace("BM_", "")
        ms = b["real_time"] * {"ms": 1, "us": 1e-3, "ns": 1e-6}[b["time_unit"]]
        rows.append((name, ms))
    return rows


def first_frame(desktop, program):
    start = time.monotonic_ns()
    out = subprocess.run([program], env=desktop.env, capture_output=True, text=True, timeout=30).stdout
    for line in out.splitlines():
        if line.startswith("first-frame "):
            _, ns, kb = line.split()
            return (int(ns) - start) / 1e6, int(kb)
    raise RuntimeError(f"{program} reported no first frame")


def start_up(build, runs):
    programs = {name: os.path.join(build, "bench", "startup_" + name) for name in ("app", "bare", "text")}
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    with Desktop(programs["app"], accessibility=False) as desktop:
        for program in programs.values():
            first_frame(desktop, program)  # warm the caches once each
        for _ in range(runs):
            for name, program in programs.items():
                ms, kb = first_frame(desktop, program)
                times[name].append(ms)
                memory[name].append(kb)
    return {k: statistics.median(v) for k, v in times.items()}, {k: statistics.median(v) for k, v in memory.items()}


def main(build, runs=9):
    rows = in_process(build)
    print(f"{'measure':<28}{'time (ms)':>12}{'goal (ms)':>11}   met")
    print("-" * 58)
    for name, ms in rows:
        goal = goal_of(name)
        mark = "-" if goal is None else ("yes" if ms <= goal else "NO")
        print(f"{name:<28}{ms:>12.3f}{'' if goal is None else f'{goal:g}':>11}   {mark}")
    times, memory = start_up(build, runs)
    print()
    print(f"start-up, median of {runs} alternating runs under Xvfb")
    print(f"{'':<24}{'program':>10}{'bare Qt':>10}{'ratio':>8}{'Qt + text':>11}{'ratio':>8}")
    print("-" * 71)
    for label, values, unit in (("to first frame (ms)", times, 1), ("peak memory (MB)", memory, 1024)):
        app, bare, text = values["app"] / unit, values["bare"] / unit, values["text"] / unit
        print(f"{label:<24}{app:>10.1f}{bare:>10.1f}{app / bare:>8.2f}{text:>11.1f}{app / text:>8.2f}")
    print("Goal: 1.1 times 'Qt + text' (the same window showing one caption), and 1.15 for")
    print("memory; the bare window is the toolkit's own floor.")


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 9)
