#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
"""Prints Korvanta's performance figures, each beside a floor measured in the same run.

    bench/report.py [--build DIR] [--runs N] [--idle-seconds S] [--quick]

--quick runs everything once, briefly, to check that the benchmarks still work; its figures mean
nothing.
"""

import argparse
import glob
import json
import os
import signal
import shutil
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def start_xvfb():
    """Starts a virtual X server (scripts/start-xvfb); returns (pid, display)."""
    out = subprocess.run([os.path.join(ROOT, "scripts", "start-xvfb")], check=True,
                         capture_output=True, text=True).stdout.split()
    return int(out[1]), out[0]


def stop(pid):
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        pass


def run_once(program, env):
    """Runs `program` to its end; returns (wall s, cpu s, peak RSS KiB)."""
    begin = time.perf_counter()
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - begin
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{program} failed")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def startup(build, env, runs):
    """Median wall and CPU time and peak memory of each start-up program, runs alternating."""
    names = ["form", "empty", "bareform"]
    samples = {name: [] for name in names}
    for name in names:  # warm the page cache and the font caches first
        run_once(f"{build}/bench/bench_startup_{name}", env)
    for _ in range(runs):
        for name in names:
            samples[name].append(run_once(f"{build}/bench/bench_startup_{name}", env))
    return {name: tuple(statistics.median(s[i] for s in samples[name]) for i in range(3))
            for name in names}


def inprocess(build, quick):
    out = subprocess.run([f"{build}/bench/bench_inprocess", "--benchmark_format=json",
                          f"--benchmark_min_time={0.001 if quick else 0.5}"],
                         check=True, capture_output=True, text=True).stdout
    return {b["name"]: b["cpu_time"] * {"ns": 1, "us": 1e3, "ms": 1e6}[b["time_unit"]]
            for b in json.loads(out)["benchmarks"]}


def cpu_ns(pid):
    """CPU time of each live thread, by thread id."""
    times = {}
    for path in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            with open(path) as f:
                times[path] = int(f.read().split()[0])
        except OSError:
            pass
    return times


def cpu_since(before, after):
    """CPU time spent between two cpu_ns readings by the threads alive at the second."""
    return sum(max(0, t - before.get(path, 0)) for path, t in after.items())


def wakeups(pid):
    """Times the main thread, the one that runs the timers, has gone to sleep and woken."""
    try:
        with open(f"/proc/{pid}/task/{pid}/status") as f:
            for line in f:
                if line.startswith("voluntary_ctxt_switches:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def idle(program, display, seconds, args=(), minimised=False):
    """Share of one core that a running window uses on the virtual X server, and its wake-ups
    per minute; with `minimised`, while the window manager keeps it minimised."""
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    proc = subprocess.Popen([program, *args], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        if minimised:
            windows = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                      str(proc.pid)], env=env, check=True, capture_output=True,
                                     text=True, timeout=30).stdout.split()
            subprocess.run(["xdotool", "windowminimize", "--sync", windows[0]], env=env,
                           check=True, timeout=30)
        time.sleep(min(3.0, seconds))  # start-up and the first ticks
        before, woken, begin = cpu_ns(proc.pid), wakeups(proc.pid), time.perf_counter()
        time.sleep(seconds)
        wall = time.perf_counter() - begin
        used, woken = cpu_since(before, cpu_ns(proc.pid)), wakeups(proc.pid) - woken
    finally:
        proc.terminate()
        proc.wait()
    return used / 1e9 / wall, woken * 60 / wall


def idle_pair(display, seconds, ours, floor, floor_args=(), minimised=False):
    """idle() of Korvanta and of its floor, each the mean of two runs taken alternately so that
    both see the same machine; returns ((share, wake-ups), (share, wake-ups))."""
    runs = [(idle(ours, display, seconds / 2, minimised=minimised),
             idle(floor, display, seconds / 2, floor_args, minimised=minimised))
            for _ in range(2)]
    return tuple(tuple(statistics.mean(run[who][i] for run in runs) for i in range(2))
                 for who in range(2))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--idle-seconds", type=float, default=60)
    parser.add_argument("--quick", action="store_true")
    args = parser.parse_args()
    if args.quick:
        args.runs, args.idle_seconds = 1, 1

    rows = []

    def row(what, ours, floor, unit, target=None, met=None, floor_name=""):
        ratio = f"{ours / floor:.2f}x" if floor else "-"
        rows.append((what, f"{ours:.{3 if unit == 'ms' else 1}f} {unit}".strip(),
                     f"{floor:.{3 if unit == 'ms' else 1}f} {unit} {floor_name}".replace("  ", " ").strip()
                     if floor is not None else "-", ratio, target or "",
                     "" if met is None else ("met" if met else "MISSED")))

    xvfb, display = start_xvfb()
    try:
        platforms = [("offscreen", dict(os.environ, QT_QPA_PLATFORM="offscreen")),
                     ("X server", dict(os.environ, QT_QPA_PLATFORM="xcb", DISPLAY=display))]
        for label, env in platforms:
            s = startup(args.build, env, args.runs)
            form, empty, bare = s["form"], s["empty"], s["bareform"]
            limit = 1.5 if label == "offscreen" else 1.3
            row(f"start-up wall, {label}", form[0] * 1e3, empty[0] * 1e3, "ms", f"<= {limit}x",
                form[0] <= limit * empty[0], "(empty window)")
            offscreen = label == "offscreen"  # the form's own target is set offscreen
            row(f"start-up wall, {label}", form[0] * 1e3, bare[0] * 1e3, "ms",
                "<= 1.03x" if offscreen else "", form[0] <= 1.03 * bare[0] if offscreen else None,
                "(form, no logic)")
            row(f"start-up CPU, {label}", form[1] * 1e3, empty[1] * 1e3, "ms", "", None,
                "(empty window)")
            row(f"peak memory, {label}", form[2] / 1024, empty[2] / 1024, "MiB", "<= +6.5 MiB",
                form[2] - empty[2] <= 6.5 * 1024, "(empty window)")
            row(f"peak memory, {label}", form[2] / 1024, bare[2] / 1024, "MiB", "", None,
                "(form, no logic)")
        bench = inprocess(args.build, args.quick)
        row("construct, load, show", bench["BM_ShowForm1"] / 1e6,
            bench["BM_ShowEmptyWidget"] / 1e6, "ms", "", None, "(empty QWidget)")
        names = {1: "civil", 2: "military", 3: "armed police", 4: "special"}
        for n, name in names.items():
            row(f"query {name}, click to answer", bench[f"BM_Query/{n}"] / 1e3,
                bench[f"BM_QHashFloor/{n}"] / 1e3, "us", "", None, "(QHash lookup)")
        for n, name in names.items():
            ours, floor = bench[f"BM_Describe/{n}"], bench[f"BM_QHashFloor/{n}"]
            row(f"describe lookup, {name}", ours, floor, "ns", "<= 2x", ours <= 2 * floor,
                "(QHash lookup)")
        # Every prefix of the named inputs of bench_inprocess; the last input is a paste of 200
        # characters, and the last argument takes every input.
        runs = sorted(int(name.split("/")[1]) for name in bench if name.startswith("BM_LookUp/"))
        floor = bench["BM_PlateRegexFloor"]
        for n, what in ((runs[-1], "every input"), (runs[-2], "a 200-character paste")):
            ours = bench[f"BM_LookUp/{n}"]
            row(f"typed text read and searched, {what}", ours / 1e3, floor / 1e3, "us",
                "<= 20 us", ours <= 20e3, "(a plate regex match)")
        row("first click of About...", bench["BM_FirstAboutClick"] / 1e6,
            bench["BM_ShowEmptyWidget"] / 1e6, "ms", "<= 20 ms",
            bench["BM_FirstAboutClick"] <= 20e6, "(show an empty QWidget)")
        ours = f"{args.build}/app/korvanta"
        floor = f"{args.build}/bench/bench_idle_floor"
        (share, _), (floor_share, _) = idle_pair(display, args.idle_seconds, ours, floor)
        row(f"idle CPU per minute ({share * 100:.3f} % of a core)", share * 60e3,
            floor_share * 60e3, "ms", "<= 1.2x", share <= 1.2 * floor_share,
            "(two timers, two pictures)")
        # Minimised, under a window manager so that minimising is real.
        wm = subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=display),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            time.sleep(1)
            (cpu, woken), (floor_cpu, floor_woken) = idle_pair(
                display, args.idle_seconds, ours, floor, ["--no-timers"], minimised=True)
        finally:
            wm.terminate()
            wm.wait()
        # What a reading can show of a process that does nothing: 0.5 ms of CPU and ten
        # wake-ups a minute.
        row("minimised, CPU per minute", cpu * 60e3, floor_cpu * 60e3, "ms", "<= 1x",
            (cpu - floor_cpu) * 60e3 <= 0.5, "(window, no timers)")
        row("minimised, wake-ups per minute", woken, floor_woken, "", "no timer wake-ups",
            woken <= floor_woken + 10, "(window, no timers)")
    finally:
        stop(xvfb)

    header = ("measure", "Korvanta", "floor", "ratio", "target", "")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
    for r in [header] + rows:
        print("  ".join(c.ljust(w) for c, w in zip(r, widths)).rstrip())
    if args.quick:
        print("(quick run: one sample of each; the figures mean nothing)")


if __name__ == "__main__":
    main()
