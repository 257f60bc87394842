#!/usr/bin/env python3
"""Benchmarks hrsmooth against the plain stdio way, and the start-up of the tools.

Run by `cmake --workflow --preset bench`, which builds everything it needs and calls this script
with the paths of the built programs. It
  1. writes deterministic HRM files (a one-hour ride of 720 samples, and 100,000, 1,000,000 and
     10,000,000 samples) under the build tree, once;
  2. times `hrsmooth 3` and the baseline C program on each large file, in turn, several runs, and
     checks that both outputs are byte for byte the same;
  3. times the start-up of finishcalc and pacecalc against a minimal C program, and hrsmooth on
     the one-hour ride against `cp` of that file, in turn, many runs;
  4. runs the micro-benchmarks of the number reader.
Medians are reported. Every program is started and timed by the small spawn_timed helper; peak
memory is the child's maximum resident set size from wait4().
"""
import argparse
import filecmp
import os
import random
import shutil
import statistics
import subprocess
import sys
import time

GENERATOR_VERSION = 1
SIZES = [100_000, 1_000_000, 10_000_000]
RIDE_SAMPLES = 720
MIB = 1024 * 1024


# ---------------------------------------------------------------- test files

def hrm_header(length_text, interval_text, note):
    lines = [
        "[Params]", "Version=106", "Monitor=12", "SMode=000000000", "Date=20240601",
        "StartTime=07:30:00.0", "Length=" + length_text, "Interval=" + interval_text,
        "Upper1=160", "Lower1=130", "", "[Note]", note, "", "[HRData]",
    ]
    return "\n".join(lines) + "\n"


def length_and_interval(count):
    """A "Length" with one-digit hours and an "Interval" that make exactly `count` samples:
    trunc(length / interval) + 1 == count, computed in doubles as the tools do."""
    if count == RIDE_SAMPLES:
        length_text, interval_text = "0:59:55.0", "5"
    else:
        length_text = "8:00:00.0"
        interval_text = repr(28800.0 / (count - 0.5))
    h, m, s = int(length_text[0]), int(length_text[2:4]), float(length_text[5:])
    length = (h * 60 + m) * 60 + s
    assert int(length / float(interval_text)) + 1 == count, (count, interval_text)
    return length_text, interval_text


def heart_rates(count, seed):
    """Whole heart rates as a random walk between 60 and 195."""
    rng = random.Random(seed)
    steps = rng.choices((-3, -2, -1, 0, 1, 2, 3), k=count)
    rates = []
    hr = 120
    for step in steps:
        hr += step
        if hr < 60 or hr > 195:
            hr -= 2 * step
        rates.append(hr)
    return rates


def write_hrm(path, count):
    length_text, interval_text = length_and_interval(count)
    header = hrm_header(length_text, interval_text, "Benchmark ride, %d samples" % count)
    body = "\n".join(map(str, heart_rates(count, seed=count))) + "\n"
    tmp = path + ".tmp"
    with open(tmp, "w", newline="\n") as f:
        f.write(header)
        f.write(body)
    os.replace(tmp, path)


def test_file(data_dir, count):
    path = os.path.join(data_dir, "hr_%d_v%d.hrm" % (count, GENERATOR_VERSION))
    if not os.path.exists(path):
        print("  writing %s" % os.path.basename(path), flush=True)
        write_hrm(path, count)
        os.sync()  # not to be written back while the programs are timed
    return path


# ---------------------------------------------------------------- timing

def run_once(spawner, argv, output):
    """Runs argv through the spawn_timed helper: (wall seconds, peak RSS bytes, exit status,
    CPU seconds).

    `output`, the file the program writes, is removed first: every run creates a new file, and
    none waits for the kernel to finish writing back and truncating the previous run's output,
    which on this machine added up to 80 ms to a run."""
    if output and os.path.exists(output):
        os.remove(output)
    done = subprocess.run([spawner] + argv, stdout=subprocess.PIPE, check=True, text=True)
    ns, kib, status, cpu_ns = (int(field) for field in done.stdout.split())
    return ns / 1e9, kib * 1024, status, cpu_ns / 1e9


def time_in_turn(spawner, commands, runs):
    """Runs each command once per round, `runs` rounds: per command, lists of wall times, peak
    RSS and CPU times. `commands` maps each name to its argv and the file it writes (or None)."""
    walls = {name: [] for name in commands}
    peaks = {name: [] for name in commands}
    cpus = {name: [] for name in commands}
    for _ in range(runs):
        for name, (argv, output) in commands.items():
            wall, peak, status, cpu = run_once(spawner, argv, output)
            if status != 0:
                sys.exit("%s ended with status %d: %s" % (name, status, " ".join(argv)))
            walls[name].append(wall)
            peaks[name].append(peak)
            cpus[name].append(cpu)
    return walls, peaks, cpus


# ---------------------------------------------------------------- parts of the run

def throughput(args, data_dir, out_dir):
    rows = []
    for count in SIZES:
        path = test_file(data_dir, count)
        size = os.path.getsize(path)
        out_base = os.path.join(out_dir, "baseline.hrm")
        out_tool = os.path.join(out_dir, "hrsmooth.hrm")
        commands = {
            "baseline": ([args.baseline, "3", path, out_base], out_base),
            "hrsmooth": ([args.hrsmooth, "3", path, out_tool], out_tool),
        }
        runs = args.runs if count < 10_000_000 else max(3, args.runs - 2)
        walls, peaks, cpus = time_in_turn(args.spawner, commands, runs)
        if not filecmp.cmp(out_base, out_tool, shallow=False):
            sys.exit("outputs differ on %s: %s %s" % (path, out_base, out_tool))
        base = statistics.median(walls["baseline"])
        for name in commands:
            wall = statistics.median(walls[name])
            peak = statistics.median(peaks[name])
            rows.append({
                "samples": count, "tool": name, "wall": wall, "cpu": statistics.median(cpus[name]),
                "mbps": size / wall / 1e6,
                "sps": count / wall, "peak": peak, "per_sample": peak / count,
                "ratio": base / wall, "runs": runs,
            })
        print("  %d samples: outputs identical, %d runs each" % (count, runs), flush=True)
    return rows


def startup(args, data_dir, out_dir):
    rows = []
    commands = {"minimal C program": ([args.minimal], None)}
    for name, path, argv in (("finishcalc", args.finishcalc, ["10", "8:00"]),
                             ("pacecalc", args.pacecalc, ["10", "1:20:00"])):
        if path and os.path.exists(path):
            commands[name] = ([path] + argv, None)
        else:
            print("  %s: not built in this tree, its start-up is skipped" % name, flush=True)
    walls, _, _ = time_in_turn(args.spawner, commands, args.startup_runs)
    base = statistics.median(walls["minimal C program"])
    for name in commands:
        wall = statistics.median(walls[name])
        rows.append({"what": name, "wall": wall, "ratio": wall / base,
                     "against": "minimal C program",
                     "limit": 1.3 if name != "minimal C program" else None})
    ride = test_file(data_dir, RIDE_SAMPLES)
    ride_cp = os.path.join(out_dir, "ride_cp.hrm")
    ride_out = os.path.join(out_dir, "ride.hrm")
    commands = {
        "cp of the ride": ([shutil.which("cp"), ride, ride_cp], ride_cp),
        "hrsmooth 3 on the ride": ([args.hrsmooth, "3", ride, ride_out], ride_out),
    }
    walls, _, _ = time_in_turn(args.spawner, commands, args.startup_runs)
    base = statistics.median(walls["cp of the ride"])
    for name in commands:
        wall = statistics.median(walls[name])
        rows.append({"what": name, "wall": wall, "ratio": wall / base, "against": "cp of the ride",
                     "limit": 1.1 if name.startswith("hrsmooth") else None})
    return rows


def micro_benchmarks(args):
    if not args.micro:
        return
    print("\n## Micro-benchmarks\n", flush=True)
    sys.stdout.flush()
    os.spawnv(os.P_WAIT, args.micro, [args.micro, "--benchmark_min_time=0.2"])


# ---------------------------------------------------------------- report

def report(args, rows, starts):
    lines = []
    lines.append("## hrsmooth 3 against the plain stdio way (median of runs in turn)\n")
    lines.append("MB/s, samples/s and the ratio are of wall times; CPU is user and system time.\n")
    lines.append("| samples | program | wall ms | CPU ms | MB/s | samples/s | peak RSS MiB "
                 "| bytes/sample | baseline/hrsmooth |")
    lines.append("|---:|---|---:|---:|---:|---:|---:|---:|---:|")
    for r in rows:
        ratio = "%.1f" % r["ratio"] if r["tool"] == "hrsmooth" else ""
        lines.append("| %s | %s | %.1f | %.1f | %.0f | %.3g | %.1f | %.1f | %s |" % (
            format(r["samples"], ","), r["tool"], r["wall"] * 1e3, r["cpu"] * 1e3, r["mbps"],
            r["sps"], r["peak"] / MIB, r["per_sample"], ratio))
    lines.append("")
    lines.append("## Start-up (median of %d runs in turn)\n" % args.startup_runs)
    lines.append("| program | wall ms | ratio | against |")
    lines.append("|---|---:|---:|---|")
    for s in starts:
        lines.append("| %s | %.3f | %.2f | %s |" % (
            s["what"], s["wall"] * 1e3, s["ratio"], s["against"]))
    lines.append("")
    lines.append("## Targets\n")
    big = [r for r in rows if r["samples"] == 10_000_000 and r["tool"] == "hrsmooth"]
    for r in big:
        lines.append(verdict("hrsmooth on 10,000,000 samples at least 10x faster than the baseline",
                             "%.1fx" % r["ratio"], r["ratio"] >= 10))
        limit = 16 * r["samples"] + 4 * MIB
        lines.append(verdict(
            "peak memory at most 16 bytes/sample + 4 MiB (%.1f MiB)" % (limit / MIB),
            "%.1f MiB" % (r["peak"] / MIB), r["peak"] <= limit))
    for s in starts:
        if s["limit"] is not None:
            lines.append(verdict("%s within %.1fx of %s" % (s["what"], s["limit"], s["against"]),
                                 "%.2fx" % s["ratio"], s["ratio"] <= s["limit"]))
    text = "\n".join(lines) + "\n"
    print("\n" + text, flush=True)
    with open(os.path.join(args.work_dir, "results.md"), "w") as f:
        f.write(text)


def verdict(what, got, met):
    return "- %s: %s, %s" % (what, got, "met" if met else "NOT met")


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--work-dir", required=True, help="folder for the test files and outputs")
    p.add_argument("--hrsmooth", required=True)
    p.add_argument("--baseline", required=True)
    p.add_argument("--minimal", required=True)
    p.add_argument("--spawner", required=True, help="the spawn_timed helper")
    p.add_argument("--finishcalc", default="")
    p.add_argument("--pacecalc", default="")
    p.add_argument("--micro", default="", help="the micro-benchmark program")
    p.add_argument("--runs", type=int, default=9, help="runs of each large-file timing")
    p.add_argument("--startup-runs", type=int, default=500, help="runs of each start-up timing")
    args = p.parse_args()
    data_dir = os.path.join(args.work_dir, "data")
    out_dir = os.path.join(args.work_dir, "out")
    os.makedirs(data_dir, exist_ok=True)
    os.makedirs(out_dir, exist_ok=True)
    print("# hrsmooth benchmark\n", flush=True)
    print("Throughput:", flush=True)
    rows = throughput(args, data_dir, out_dir)
    print("Start-up:", flush=True)
    starts = startup(args, data_dir, out_dir)
    report(args, rows, starts)
    micro_benchmarks(args)


if __name__ == "__main__":
    main()
