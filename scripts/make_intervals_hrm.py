#!/usr/bin/env python3
"""Write examples/intervals.hrm: a made-up but realistic 20-minute interval run.

Needs only python3 (standard library). The output is the same on every run:
the random numbers come from a fixed seed and only random.Random.random() is
used, whose sequence Python keeps stable across versions.

The run, sampled every 5 s (241 samples, 0 s to 1200 s):
  - warm-up, heart rate rising from about 95 to about 140 beats per minute;
  - 4 hard intervals of 105 s (about 170-178 beats per minute), each followed
    by 90 s of easy running that lets the heart rate fall back to about 140;
  - a cool-down to about 115 beats per minute;
with beat-to-beat noise, a slow wander, and a few chest-strap artefacts: a lone
spike to 220, a lone dropout to 60 and a two-sample dropout.

Usage: scripts/make_intervals_hrm.py [OUTFILE]   (default examples/intervals.hrm)
"""

import math
import os
import random
import sys

SEED = 20261212
INTERVAL = 5  # seconds between samples
LENGTH = 20 * 60  # seconds
SAMPLES = LENGTH // INTERVAL + 1

WARMUP_END = 240
HARD = 105
EASY = 90
REPEATS = 4
HARD_TARGETS = [169, 171, 173, 175]  # the heart drifts up from one repeat to the next
EASY_TARGET = 136
COOLDOWN_TARGET = 112

# Chest-strap artefacts: sample index -> value written instead of the heart rate.
ARTEFACTS = {
    77: 220,  # a lone spike in the first recovery
    155: 60,  # a lone dropout in the third recovery
    171: 82,  # a two-sample dropout early in the last hard interval
    172: 71,
}


def target(t):
    """The heart rate the body is heading for at time t (seconds)."""
    if t < WARMUP_END:
        # easy jogging, working up from a walk
        return 95 + 47 * min(1.0, t / (WARMUP_END - 30))
    s = t - WARMUP_END
    block = HARD + EASY
    k = int(s // block)
    if k < REPEATS:
        within = s - k * block
        if within < HARD:
            # a little upward drift while the effort lasts
            return HARD_TARGETS[k] + 3 * within / HARD
        return EASY_TARGET
    return COOLDOWN_TARGET


def normal(rng):
    """A standard normal deviate from two uniform ones (Box-Muller)."""
    u1 = 1.0 - rng.random()  # in (0, 1], so the logarithm is finite
    u2 = rng.random()
    return math.sqrt(-2.0 * math.log(u1)) * math.cos(2.0 * math.pi * u2)


def heart_rates():
    rng = random.Random(SEED)
    hr = 95.0
    wander = 0.0
    values = []
    for i in range(SAMPLES):
        t = i * INTERVAL
        goal = target(t)
        # the heart rate follows the effort with a lag: faster going up than coming down
        tau = 22.0 if goal > hr else 35.0
        hr += (goal - hr) * (1.0 - math.exp(-INTERVAL / tau))
        # a slow wander (breathing, terrain) plus beat-to-beat noise
        wander = 0.8 * wander + 0.9 * normal(rng)
        value = hr + wander + 1.3 * normal(rng)
        values.append(ARTEFACTS.get(i, int(round(value))))
    return values


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "examples", "intervals.hrm")
    lines = [
        "[Params]",
        "Version=106",
        "Monitor=12",
        "SMode=000000000",
        "Date=20261212",
        "StartTime=18:00:00.0",
        "Length=0:%02d:%02d.0" % (LENGTH // 60, LENGTH % 60),
        "Interval=%d" % INTERVAL,
        "Upper1=178",
        "Lower1=165",
        "",
        "[Note]",
        "Intervals: 4 x 105 s hard, 90 s easy",
        "",
        "[HRData]",
    ]
    lines += [str(v) for v in heart_rates()]
    with open(out, "w", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))


if __name__ == "__main__":
    main()
