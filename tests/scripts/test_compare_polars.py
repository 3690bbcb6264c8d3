"""Checks of scripts/compare-polars.py and of the reference polars it reads."""

import csv
import importlib.util
import math
import os
import stat
import tempfile
import unittest
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
SOURCE = importlib.util.spec_from_file_location("compare_polars", REPO / "scripts" / "compare-polars.py")
compare_polars = importlib.util.module_from_spec(SOURCE)
SOURCE.loader.exec_module(compare_polars)

HEADER = ("Lift-Drag Polar for TEST\nReynolds Number: 1000000\n"
          "Angle(Deg)    Cl            Cd            Cm            Up Tran(%c)   Lo Tran(%c)\n")


class ParsePolarText(unittest.TestCase):
    def test_rows(self):
        # (printed row, parsed or None when the row must count as failed)
        cases = [
            ("2.00          0.45000       0.006000      -0.050000     52.50         96.00",
             {"cl": 0.45, "cd": 0.006, "cm": -0.05, "xtr_top": 0.525, "xtr_bot": 0.96}),
            ("4.00          nan           0.006000      -0.050000     52.50         96.00", None),
            ("6.00          inf           0.006000      -0.050000     52.50         96.00", None),
            ("8.00          not computed (the coupling did not converge)", None),
            ("10.00         1.10000       0.012000      -0.040000     10.00         100.00  *", None),
        ]
        for line, expected in cases:
            with self.subTest(line=line):
                rows, failed = compare_polars.parse_polar_text(HEADER + line + "\n")
                angle = float(line.split()[0])
                if expected is None:
                    self.assertEqual(rows, {})
                    self.assertEqual([a for a, _ in failed], [angle])
                else:
                    self.assertEqual(failed, [])
                    for key, value in expected.items():
                        # printed with 5-6 decimals; 1e-12 is rounding of the division by 100
                        self.assertAlmostEqual(rows[angle][key], value, delta=1e-12)

    def test_text_before_the_titles_is_not_a_row(self):
        rows, failed = compare_polars.parse_polar_text("1 2 3 4 5 6\n" + HEADER)
        self.assertEqual((rows, failed), ({}, []))


class Percentile(unittest.TestCase):
    def test_linear_between_ranks(self):
        # (values, fraction, expected): exact arithmetic on small integers
        cases = [
            ([5.0], 0.9, 5.0),
            ([1.0, 2.0], 0.5, 1.5),
            (list(range(11)), 0.9, 9.0),
            ([3.0, 1.0, 2.0, 4.0], 0.9, 3.7),
            ([0.0, 10.0], 1.0, 10.0),
        ]
        for values, fraction, expected in cases:
            with self.subTest(values=values, fraction=fraction):
                self.assertAlmostEqual(compare_polars.percentile(values, fraction), expected, delta=1e-12)
        self.assertTrue(math.isnan(compare_polars.percentile([], 0.5)))


class AgainstAFakeProgram(unittest.TestCase):
    """The whole comparison, with a stand-in program that prints the reference's
    own values (so every error is zero) except where a row is meant to fail."""

    def fake_cli(self, directory, rows):
        body = HEADER + "".join(rows)
        path = Path(directory) / "fake-cli"
        path.write_text("#!/bin/sh\ncat <<'EOF'\n" + body + "EOF\n")
        path.chmod(path.stat().st_mode | stat.S_IXUSR)
        return path

    def test_figures_and_failures(self):
        reference = compare_polars.read_reference(1e6)
        section = "0012"
        ref = reference[section]
        angles = [a for a in range(-4, 11, 2) if a in ref]
        self.assertGreaterEqual(len(angles), 6, "reference NACA 0012 at Re 1e6 lost its -4..10 rows")
        lines = []
        for a in angles:
            r = ref[a]
            if a == 4:
                lines.append("4.00          not computed\n")
                continue
            lines.append(f"{a:.2f}  {r['cl']:.5f}  {r['cd']:.6f}  {r['cm']:.6f}  "
                         f"{100 * r['xtr_top']:.2f}  {100 * r['xtr_bot']:.2f}\n")
        with tempfile.TemporaryDirectory() as tmp:
            cli = self.fake_cli(tmp, lines)
            result = compare_polars.compare(cli, "simple", 1e6, [section], reference, 160, (-4, 10), 1)
        figures = result.figures()
        self.assertEqual(figures["rows"], len(angles) - 1)
        self.assertEqual([(s, a) for s, a, _ in result.failed], [(section, 4.0)])
        # The stand-in prints the reference to its own precision: errors are
        # at most half a unit of the reference's last digit.
        self.assertLessEqual(figures["cl"][2], 5e-5)
        self.assertLessEqual(figures["cd"][1], 1e-3)
        self.assertLessEqual(figures["cm"][1], 5e-5)
        self.assertLessEqual(max(figures["xtr"]), 5e-5)


class ReferenceData(unittest.TestCase):
    """The regenerated reference files keep the shape the comparison relies on."""

    def test_rows_are_physical_and_cover_the_sections(self):
        sections = sorted(p.name for p in (REPO / "tests/data/reference/sections").glob("*.dat"))
        files = sorted(compare_polars.REFERENCE_DIR.glob("xfoil_polars_re*.csv"))
        self.assertIn(compare_polars.reference_file(1e6), files)
        for path in files:
            re = float(path.stem.removeprefix("xfoil_polars_re"))
            with self.subTest(file=path.name), open(path, newline="") as f:
                rows = list(csv.DictReader(f))
                self.assertEqual(list(rows[0]), ["section", "re", "alpha", "cl", "cd", "cdp", "cm",
                                                 "xtr_top", "xtr_bot"])
                for row in rows:
                    values = {k: float(v) for k, v in row.items() if k != "section"}
                    self.assertTrue(all(math.isfinite(v) for v in values.values()), row)
                    self.assertEqual(values["re"], re)
                    self.assertTrue(0 < values["cd"] < 0.5, row)
                    # Transition at the trailing edge is the solver's x there, which
                    # lies up to 0.002 past 1 where its leading edge sits a little
                    # ahead of the file's x = 0.
                    self.assertTrue(0 <= values["xtr_top"] <= 1.005 and 0 <= values["xtr_bot"] <= 1.005, row)
                present = {row["section"] for row in rows}
                self.assertEqual(sorted(s for s in present if s.endswith(".dat")), sections)


if __name__ == "__main__":
    os.chdir(REPO)
    unittest.main()
