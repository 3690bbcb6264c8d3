#!/usr/bin/env python3
"""Whole-process times of aerolune-cli, alone and side by side with the
reference solver's viscous polar sweep.

Each case is run as a whole process several times after one warm-up; the
processor time (user + system, from the kernel's accounting of the finished
child) and the wall time of each run are kept, and the median is printed.
Side-by-side cases run the two commands in turn, A B A B ..., and print the
median of the ratios pair by pair, so a machine whose speed drifts during
the run still gives a fair ratio.

    python3 bench/process-speed.py build/cli/aerolune-cli
    python3 bench/process-speed.py build/cli/aerolune-cli --runs 15 --no-reference

The reference solver is XFOIL 6.99 (Debian package `xfoil`; it draws on an X
display, so the script starts Xvfb when DISPLAY is unset: apt-get install
xfoil xvfb xfonts-base). Its sweep is the same 21 angles of NACA 2412 at
Re 1e6 as `aerolune-cli polar --naca 2412 --re 1e6`, Ncrit 9, 160 panels.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

FIRST_ANGLE, LAST_ANGLE = -10, 10


def timed_run(command, stdin_text=None):
    """Runs one process; returns (processor seconds, wall seconds, exit status)."""
    start = time.perf_counter()
    child = subprocess.Popen(command, stdin=subprocess.PIPE if stdin_text else subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if stdin_text:
        child.stdin.write(stdin_text.encode())
        child.stdin.close()
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    return usage.ru_utime + usage.ru_stime, wall, child.returncode


def reference_sweep_input(polar_file):
    lines = ["NACA 2412", "PPAR", "N 160", "", "", "OPER", "VISC 1e6", "ITER 200",
             "PACC", polar_file, "", f"ASEQ 0 {LAST_ANGLE} 1", "INIT",
             f"ASEQ -1 {FIRST_ANGLE} -1", "PACC", "", "QUIT"]
    return "\n".join(lines) + "\n"


class Display:
    """An X display for the reference solver: the one given, or our own Xvfb."""

    def __enter__(self):
        self.server = None
        if os.environ.get("DISPLAY"):
            return self
        number = 90 + os.getpid() % 100
        self.server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24"],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        os.environ["DISPLAY"] = f":{number}"
        return self

    def __exit__(self, *exc):
        if self.server:
            self.server.terminate()
            self.server.wait()
            del os.environ["DISPLAY"]


def measure(name, command, runs, stdin_text=None):
    timed_run(command, stdin_text)
    cpu, wall = [], []
    for _ in range(runs):
        c, w, status = timed_run(command, stdin_text)
        if status != 0:
            sys.exit(f"{name}: exit status {status}")
        cpu.append(c)
        wall.append(w)
    print(f"| {name} | {statistics.median(cpu) * 1e3:.1f} ms | {statistics.median(wall) * 1e3:.1f} ms |")


def measure_pair(name, ours, reference, runs):
    """Ours against the reference solver, in turn; the median of the
    pairwise ratios of processor and wall time."""
    with tempfile.TemporaryDirectory() as folder:
        polar_file = os.path.join(folder, "polar.txt")

        def reference_run():
            if os.path.exists(polar_file):
                os.remove(polar_file)
            return timed_run(reference, reference_sweep_input(polar_file))

        timed_run(ours)
        reference_run()
        ours_cpu, ours_wall, cpu_ratio, wall_ratio = [], [], [], []
        for _ in range(runs):
            oc, ow, status = timed_run(ours)
            if status != 0:
                sys.exit(f"{name}: exit status {status}")
            rc, rw, _ = reference_run()
            ours_cpu.append(oc)
            ours_wall.append(ow)
            cpu_ratio.append(rc / max(oc, 1e-6))
            wall_ratio.append(rw / max(ow, 1e-6))
    print(f"| {name} | {statistics.median(ours_cpu) * 1e3:.1f} ms | {statistics.median(ours_wall) * 1e3:.1f} ms "
          f"| {statistics.median(cpu_ratio):.0f} x | {statistics.median(wall_ratio):.0f} x |")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("cli", help="path of aerolune-cli")
    parser.add_argument("--runs", type=int, default=9, help="counted runs of each case (default 9)")
    parser.add_argument("--no-reference", action="store_true", help="skip the side-by-side cases")
    parser.add_argument("--models", default="", help="extra polar models to set beside the reference, comma-separated")
    args = parser.parse_args()
    cli = os.path.abspath(args.cli)

    print("| command | processor time | wall time |")
    print("|---|---|---|")
    measure("aerolune-cli --help", [cli, "--help"], args.runs)
    measure("aerolune-cli analyse --naca 0012", [cli, "analyse", "--naca", "0012"], args.runs)
    measure("aerolune-cli polar --naca 2412 --re 1e6", [cli, "polar", "--naca", "2412", "--re", "1e6"], args.runs)
    measure("the same, one thread (AEROLUNE_THREADS=1)",
            ["env", "AEROLUNE_THREADS=1", cli, "polar", "--naca", "2412", "--re", "1e6"], args.runs)

    reference = shutil.which("xfoil")
    if args.no_reference or not reference:
        if not args.no_reference:
            print("\n(no reference solver on PATH: apt-get install xfoil xvfb xfonts-base)")
        return
    print()
    print("| polar of NACA 2412 at Re 1e6, 21 angles | processor time | wall time "
          "| reference / ours, processor | reference / ours, wall |")
    print("|---|---|---|---|---|")
    models = [""] + [m for m in args.models.split(",") if m]
    with Display():
        for model in models:
            ours = [cli, "polar", "--naca", "2412", "--re", "1e6", "--points", "160"]
            if model:
                ours += ["--model", model]
            measure_pair("aerolune-cli polar --points 160" + (f" --model {model}" if model else ""),
                         ours, [reference], args.runs)


if __name__ == "__main__":
    main()
