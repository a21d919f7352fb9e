#!/usr/bin/python3
"""NumPy doing the simulations' work, timed as simulation_bench times the program's:
Generator.binomial for a million samples of size 1,000, and choice then mean for 10,000
samples of size 1,000 from 32,767 values. Prints "name milliseconds", medians."""

import statistics
import sys
import time

import numpy as np


def median_ms(runs, work):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        work()
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)


def main(runs):
    rng = np.random.default_rng(4711)
    population = rng.random(32767) * 100
    binomial = median_ms(runs, lambda: rng.binomial(1000, 0.5, size=1_000_000))
    means = median_ms(runs, lambda: rng.choice(population, size=(10_000, 1000)).mean(axis=1))
    print(f"simulate/binomial_1e6x1000 {binomial:.3f}\nsimulate/means_1e4x1000 {means:.3f}")


if __name__ == "__main__":
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 5)
