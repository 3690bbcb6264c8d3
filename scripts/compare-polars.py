#!/usr/bin/env python3
"""Compare aerolune-cli polars with the reference solver's polars.

For each polar model, Reynolds number and section of the reference data
(tests/data/reference/xfoil_polars_re*.csv, made by make-reference-polars.py),
runs

    aerolune-cli polar --file F | --naca D --model M --re R --points N

and compares every row whose angle lies in the chosen range and is present in
both polars. Prints, per model and Reynolds number:

  Cl error |cl - cl_ref|           median / 90th percentile / worst
  Cd abs(cd / cd_ref - 1)          median / 90th percentile
  Cm error |cm - cm_ref|           median / 90th percentile
  transition error |x - x_ref|/c   median, upper and lower surface

then each section's worst row, and a markdown table for the README. The
percentiles interpolate linearly between ranked values. A row the program
prints but cannot be read as finite numbers (a row marked as not computed)
counts as failed, as does an angle the program leaves out that the reference
has; a failed row is listed and left out of the figures.

    python3 scripts/compare-polars.py --model simple --model semi
    python3 scripts/compare-polars.py --model layer --re 1e6 --only files
"""

import argparse
import concurrent.futures
import csv
import math
import statistics
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
REFERENCE_DIR = REPO / "tests" / "data" / "reference"
SECTIONS_DIR = REFERENCE_DIR / "sections"


def re_text(re):
    """1e6, 3e5: the Reynolds number as the data files name it."""
    return f"{re:.0e}".replace("+0", "").replace("+", "")


def reference_file(re):
    return REFERENCE_DIR / f"xfoil_polars_re{re_text(re)}.csv"


def read_reference(re):
    """{section: {alpha: row}} for one Reynolds number."""
    polars = {}
    with open(reference_file(re), newline="") as f:
        for row in csv.DictReader(f):
            values = {k: float(v) for k, v in row.items() if k != "section"}
            polars.setdefault(row["section"], {})[round(values["alpha"])] = values
    return polars


def section_arguments(section):
    if section.endswith(".dat"):
        return ["--file", str(SECTIONS_DIR / section)]
    return ["--naca", section]


def parse_polar_text(text):
    """(rows, failed): rows {alpha: {cl, cd, cm, xtr_top, xtr_bot}} of the printed
    polar; failed, (angle or None, line) for each line under the column titles
    that is not five finite numbers after the angle."""
    rows, failed = {}, []
    in_table = False
    for line in text.splitlines():
        words = line.split()
        if not words:
            continue
        if words[0].startswith("Angle"):
            in_table = True
            continue
        if not in_table:
            continue
        try:
            values = [float(w) for w in words[:6]]
        except ValueError:
            values = []
        if len(values) < 6 or len(words) != 6 or not all(math.isfinite(v) for v in values):
            try:
                angle = round(float(words[0]), 6)
            except ValueError:
                angle = None
            failed.append((angle, line.strip()))
            continue
        alpha, cl, cd, cm, up, lo = values
        rows[round(alpha, 6)] = {"cl": cl, "cd": cd, "cm": cm,
                                 "xtr_top": up / 100.0, "xtr_bot": lo / 100.0}
    return rows, failed


def run_polar(cli, section, model, re, points):
    command = [str(cli), "polar", *section_arguments(section), "--model", model,
               "--re", f"{re:g}", "--points", str(points)]
    done = subprocess.run(command, capture_output=True, text=True, timeout=600)
    rows, failed = parse_polar_text(done.stdout)
    error = ""
    if done.returncode != 0:
        error = f"exit {done.returncode}: " + (done.stderr.strip().splitlines() or [""])[-1]
    return rows, failed, error


def percentile(values, fraction):
    """Linear interpolation between ranked values (fraction 0..1)."""
    if not values:
        return math.nan
    ranked = sorted(values)
    position = fraction * (len(ranked) - 1)
    low = math.floor(position)
    high = min(low + 1, len(ranked) - 1)
    return ranked[low] + (ranked[high] - ranked[low]) * (position - low)


def median(values):
    return statistics.median(values) if values else math.nan


class Comparison:
    """The compared rows of one model at one Reynolds number."""

    def __init__(self):
        self.rows = []          # (section, alpha, ours, reference)
        self.failed = []        # (section, alpha or None, what)
        self.reference_absent = 0

    def errors(self, key):
        if key == "cd":
            return [abs(o["cd"] / r["cd"] - 1.0) for _, _, o, r in self.rows if r["cd"] > 0]
        return [abs(o[key] - r[key]) for _, _, o, r in self.rows]

    def figures(self):
        cl, cd, cm = self.errors("cl"), self.errors("cd"), self.errors("cm")
        top, bot = self.errors("xtr_top"), self.errors("xtr_bot")
        return {
            "cl": (median(cl), percentile(cl, 0.9), max(cl, default=math.nan)),
            "cd": (median(cd), percentile(cd, 0.9)),
            "cm": (median(cm), percentile(cm, 0.9)),
            "xtr": (median(top), median(bot)),
            "rows": len(self.rows),
            "failed": len(self.failed),
        }


def compare(cli, model, re, sections, reference, points, alpha_range, jobs):
    comparison = Comparison()
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        runs = {s: pool.submit(run_polar, cli, s, model, re, points) for s in sections}
    low, high = alpha_range
    for section in sections:
        rows, failed, error = runs[section].result()
        if error:
            comparison.failed.append((section, None, error))
        for angle, line in failed:
            comparison.failed.append((section, angle, "row not computed: " + line))
        failed_angles = {angle for angle, _ in failed}
        ref = reference[section]
        for alpha in sorted(rows):
            if not (low - 1e-9 <= alpha <= high + 1e-9):
                continue
            if abs(alpha - round(alpha)) > 1e-6 or round(alpha) not in ref:
                comparison.reference_absent += 1
                continue
            comparison.rows.append((section, alpha, rows[alpha], ref[round(alpha)]))
        for alpha in sorted(ref):
            if low <= alpha <= high and alpha not in rows and alpha not in failed_angles and any(
                    abs(a - alpha) < 1e-6 for a in _step_grid(rows)):
                comparison.failed.append((section, alpha, "row missing from our polar"))
    return comparison


def _step_grid(rows):
    """The angle grid the program swept (its first to last angle, at its step)."""
    angles = sorted(rows)
    if len(angles) < 2:
        return angles
    step = min(b - a for a, b in zip(angles, angles[1:]))
    count = int(round((angles[-1] - angles[0]) / step))
    return [angles[0] + i * step for i in range(count + 1)]


def fmt(value, digits=3):
    return "n/a" if math.isnan(value) else f"{value:.{digits}f}"


def print_report(model, re, comparison, worst_rows):
    f = comparison.figures()
    print(f"\n== model {model}, Re {re_text(re)}: {f['rows']} rows compared, {f['failed']} failed, "
          f"{comparison.reference_absent} angles without a converged reference point")
    print(f"  Cl error          median {fmt(f['cl'][0])}  90th pct {fmt(f['cl'][1])}  worst {fmt(f['cl'][2])}")
    print(f"  Cd |ratio - 1|    median {fmt(f['cd'][0])}  90th pct {fmt(f['cd'][1])}")
    print(f"  Cm error          median {fmt(f['cm'][0])}  90th pct {fmt(f['cm'][1])}")
    print(f"  transition error  median upper {fmt(f['xtr'][0])} c  lower {fmt(f['xtr'][1])} c")
    for section, alpha, what in comparison.failed:
        where = "" if alpha is None else f" alpha {alpha:g}"
        print(f"  FAILED {section}{where}: {what}")
    if not worst_rows:
        return
    print("  worst row per section (largest Cl error):")
    print(f"    {'section':<16}{'alpha':>6}{'cl':>9}{'cl_ref':>9}{'cd':>10}{'cd_ref':>10}"
          f"{'cm':>9}{'cm_ref':>9}{'xtr_up':>8}{'ref':>7}")
    by_section = {}
    for section, alpha, ours, ref in comparison.rows:
        error = abs(ours["cl"] - ref["cl"])
        if section not in by_section or error > by_section[section][0]:
            by_section[section] = (error, alpha, ours, ref)
    for section, (_, alpha, o, r) in sorted(by_section.items(), key=lambda kv: -kv[1][0]):
        print(f"    {section:<16}{alpha:>6g}{o['cl']:>9.4f}{r['cl']:>9.4f}{o['cd']:>10.5f}{r['cd']:>10.5f}"
              f"{o['cm']:>9.4f}{r['cm']:>9.4f}{o['xtr_top']:>8.3f}{r['xtr_top']:>7.3f}")


def markdown_table(model, reynolds, comparisons):
    heads = " | ".join(f"Re {re_text(re)}" for re in reynolds)
    lines = [f"| `--model {model}` | {heads} |", "|---|" + "---|" * len(reynolds)]
    figures = [comparisons[(model, re)].figures() for re in reynolds]

    def row(title, cell):
        lines.append(f"| {title} | " + " | ".join(cell(f) for f in figures) + " |")

    row("Cl error, median / 90th pct / worst", lambda f: " / ".join(fmt(v) for v in f["cl"]))
    row("Cd abs(ratio - 1), median / 90th pct", lambda f: " / ".join(fmt(v, 2) for v in f["cd"]))
    row("Cm error, median / 90th pct", lambda f: " / ".join(fmt(v) for v in f["cm"]))
    row("transition error, median upper / lower", lambda f: " / ".join(fmt(v) + " c" for v in f["xtr"]))
    row("rows compared / failed", lambda f: f"{f['rows']} / {f['failed']}")
    return "\n".join(lines)


def default_cli():
    for build in ("build", "build-tests"):
        path = REPO / build / "cli" / "aerolune-cli"
        if path.exists():
            return path
    return REPO / "build" / "cli" / "aerolune-cli"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", type=Path, default=None, help="aerolune-cli to run (default: build/ or build-tests/)")
    parser.add_argument("--model", action="append", help="polar model (repeatable; default simple)")
    parser.add_argument("--re", type=float, action="append", help="Reynolds number (repeatable; default 1e6 and 3e5)")
    parser.add_argument("--points", type=int, default=160)
    parser.add_argument("--alpha-min", type=float, default=-4)
    parser.add_argument("--alpha-max", type=float, default=10)
    parser.add_argument("--only", choices=("all", "files", "naca"), default="all",
                        help="sections: the coordinate files, the NACA designations, or both")
    parser.add_argument("--section", action="append", help="one section of the reference data (repeatable)")
    parser.add_argument("--no-worst-rows", action="store_true")
    parser.add_argument("-j", "--jobs", type=int, default=2)
    args = parser.parse_args()

    cli = args.cli or default_cli()
    if not cli.exists():
        sys.exit(f"compare-polars: {cli} not found; build it or give --cli")
    models = args.model or ["simple"]
    reynolds = args.re or [1e6, 3e5]
    comparisons = {}
    for re in reynolds:
        reference = read_reference(re)
        sections = args.section or [s for s in reference
                                    if args.only == "all" or (args.only == "files") == s.endswith(".dat")]
        unknown = [s for s in sections if s not in reference]
        if unknown:
            sys.exit(f"compare-polars: not in {reference_file(re).name}: {', '.join(unknown)}")
        for model in models:
            comparison = compare(cli, model, re, sections, reference, args.points,
                                 (args.alpha_min, args.alpha_max), args.jobs)
            comparisons[(model, re)] = comparison
            print_report(model, re, comparison, not args.no_worst_rows)

    print(f"\nMarkdown ({args.only} sections, alpha {args.alpha_min:g} to {args.alpha_max:g}, "
          f"{args.points} points, reference Ncrit 9):\n")
    for model in models:
        print(markdown_table(model, reynolds, comparisons))
        print()
    failed = sum(len(c.failed) for c in comparisons.values())
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
