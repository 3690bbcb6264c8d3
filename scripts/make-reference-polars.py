#!/usr/bin/env python3
"""Regenerate tests/data/reference/xfoil_polars_re*.csv with the reference solver.

Runs XFOIL 6.99 (Debian package `xfoil`) on every coordinate file of
tests/data/reference/sections/ and on a few NACA designations, at each Reynolds
number, and writes one CSV per Reynolds number:

    section,re,alpha,cl,cd,cdp,cm,xtr_top,xtr_bot

A section is either a file name (`s1210.dat`, read from the sections folder) or
a bare NACA designation (`0012`, made by the solver's own NACA generator, which
leaves a thin blunt trailing edge). Each section and Reynolds number is swept in
two fresh runs from 0 degrees, one down to -20 and one up to 20 in 1 degree
steps, so that every point starts from its converged neighbour. Rows kept:
every angle from -4 to 10, and the even angles outside it. A point the solver
did not converge is absent from its saved polar and so from the CSV. A file
whose surface stops short of the trailing edge is given to the solver with that
surface joined to the trailing edge.

The solver draws its plots on an X display; without DISPLAY the script starts
its own Xvfb. Needs: apt-get install xfoil xvfb xfonts-base.

    python3 scripts/make-reference-polars.py            # all, 2 runs at a time
    python3 scripts/make-reference-polars.py -j 4 --re 1e6
"""

import argparse
import concurrent.futures
import csv
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
SECTIONS_DIR = REPO / "tests" / "data" / "reference" / "sections"
OUT_DIR = REPO / "tests" / "data" / "reference"
NACA = ["0012", "2412", "4412", "23012"]
REYNOLDS = [1e6, 3e5, 1e5]
NCRIT = 9
PANEL_NODES = 160
ITERATIONS = 200
# A loaded machine slows the solver's drawing a good deal; past this a sweep
# keeps what it has.
SWEEP_SECONDS = 1800
# A file whose two ends lie further apart in x than this is open.
OPEN_END_CHORDS = 0.01

# Saved polar column -> CSV column.
COLUMNS = {"alpha": "alpha", "CL": "cl", "CD": "cd", "CDp": "cdp", "CM": "cm",
           "Top_Xtr": "xtr_top", "Bot_Xtr": "xtr_bot"}


def kept_angle(alpha):
    a = round(alpha)
    if abs(alpha - a) > 1e-6:
        return False
    return -4 <= a <= 10 or a % 2 == 0


def closed_copy(section, folder):
    """The section file, with a surface that stops short of the trailing edge
    (naca642415.dat's lower surface ends at x = 0.95) run on to the file's
    first point, as our reader joins it. The solver stops on a floating-point
    exception with the open file."""
    lines = (SECTIONS_DIR / section).read_text().splitlines()
    points = [line.split() for line in lines[1:] if len(line.split()) == 2]
    first, last = points[0], points[-1]
    if abs(float(first[0]) - float(last[0])) <= OPEN_END_CHORDS:
        return SECTIONS_DIR / section
    copy = Path(folder) / section
    copy.write_text("\n".join(lines + [f"{first[0]} {first[1]}"]) + "\n")
    return copy


def solver_commands(section, re, last_alpha, polar_file, folder):
    if section.endswith(".dat"):
        load = f"LOAD {closed_copy(section, folder)}"
    else:
        load = f"NACA {section}"
    step = 1 if last_alpha > 0 else -1
    lines = [
        load,
        "PPAR", f"N {PANEL_NODES}", "", "",
        "OPER",
        "VPAR", f"N {NCRIT}", "",
        f"VISC {re:g}",
        f"ITER {ITERATIONS}",
        "PACC", str(polar_file), "",
        f"ASEQ 0 {last_alpha} {step}",
        "PACC",
        "",
        "QUIT",
    ]
    return "\n".join(lines) + "\n"


def read_saved_polar(path):
    """Rows of a saved polar file as dicts keyed by its header's column names."""
    text = Path(path).read_text()
    lines = text.splitlines()
    header = None
    rows = []
    for i, line in enumerate(lines):
        words = line.split()
        if header is None:
            if words and words[0] == "alpha" and "CL" in words:
                header = words
            continue
        if not words or set(line.strip()) <= set("- "):
            continue
        values = [float(w) for w in words]
        rows.append(dict(zip(header, values)))
    if header is None:
        raise ValueError(f"{path}: no column header")
    return rows


def run_sweep(section, re, last_alpha, env, cache, cached_only=False):
    """The saved polar of one sweep, from the cache when an earlier run left it.
    A sweep that overruns its time keeps the points it had converged."""
    direction = "up" if last_alpha > 0 else "down"
    cached = cache / f"{section}_re{re_text(re)}_{direction}.txt"
    if cached.exists():
        return read_saved_polar(cached)
    if cached_only:
        print(f"{section} Re {re:g} {direction}: not in the cache", file=sys.stderr)
        return []
    with tempfile.TemporaryDirectory(prefix="reference-sweep-") as tmp:
        polar_file = Path(tmp) / "polar.txt"
        solver = subprocess.Popen(["xfoil"], stdin=subprocess.PIPE, text=True, cwd=tmp, env=env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            solver.communicate(solver_commands(section, re, last_alpha, "polar.txt", tmp), timeout=SWEEP_SECONDS)
        except subprocess.TimeoutExpired:
            solver.kill()
            solver.wait()
            print(f"{section} Re {re:g} {direction}: stopped after {SWEEP_SECONDS} s", file=sys.stderr)
        if not polar_file.exists():
            return []
        cache.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(polar_file, cached)
        return read_saved_polar(cached)


def re_text(re):
    """1e6, 3e5: the Reynolds number as the data files name it."""
    return f"{re:.0e}".replace("+0", "").replace("+", "")


def start_xvfb():
    read_end, write_end = os.pipe()
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        display = f.readline().strip()
    if not display:
        proc.kill()
        raise RuntimeError("Xvfb did not start")
    return proc, ":" + display


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-j", "--jobs", type=int, default=2)
    parser.add_argument("--re", type=float, action="append",
                        help="Reynolds number (repeatable; default 1e6, 3e5, 1e5)")
    parser.add_argument("--cache", type=Path, default=Path(tempfile.gettempdir()) / "aerolune-reference-polars",
                        help="folder keeping each sweep's saved polar, reused on the next run")
    parser.add_argument("--cached-only", action="store_true",
                        help="write the CSVs from the cached sweeps only, running nothing")
    parser.add_argument("--section", action="append",
                        help="a file of the sections folder or a NACA designation (repeatable)")
    args = parser.parse_args()

    sections = args.section or sorted(p.name for p in SECTIONS_DIR.glob("*.dat")) + NACA
    reynolds = args.re or REYNOLDS

    env = dict(os.environ)
    xvfb = None
    if not env.get("DISPLAY") and not args.cached_only:
        xvfb, env["DISPLAY"] = start_xvfb()

    try:
        jobs = {}
        with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
            for re in reynolds:
                for section in sections:
                    for last in (-20, 20):
                        jobs[(re, section, last)] = pool.submit(run_sweep, section, re, last, env, args.cache,
                                                                   args.cached_only)
        results = {key: job.result() for key, job in jobs.items()}
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()

    for re in reynolds:
        out = OUT_DIR / f"xfoil_polars_re{re_text(re)}.csv"
        missing = []
        with open(out, "w", newline="") as f:
            writer = csv.writer(f, lineterminator="\n")
            writer.writerow(["section", "re"] + list(COLUMNS.values()))
            for section in sections:
                by_alpha = {}
                for last in (-20, 20):
                    for row in results[(re, section, last)]:
                        a = row["alpha"]
                        if kept_angle(a):
                            by_alpha.setdefault(round(a), row)
                wanted = [a for a in range(-20, 21) if kept_angle(a)]
                absent = [a for a in wanted if a not in by_alpha]
                if absent:
                    missing.append(f"  {section}: {' '.join(str(a) for a in absent)}")
                for a in sorted(by_alpha):
                    row = by_alpha[a]
                    writer.writerow([section, f"{re:.0f}", a] +
                                    [f"{row[k]:.5f}" if k in ("CD", "CDp") else f"{row[k]:.4f}"
                                     for k in list(COLUMNS)[1:]])
        print(f"{out.relative_to(REPO)}: not converged (absent):")
        print("\n".join(missing) if missing else "  none")


if __name__ == "__main__":
    sys.exit(main())
