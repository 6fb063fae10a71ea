#!/usr/bin/env python3
"""The checked-in equipment database is what the curation makes of the source lists now, and the
curation refuses a doubtful row nobody decided on or a resolution that matches nothing.

Usage: check_equipment_data.py REPOSITORY
"""

import csv
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

CURATED = ["cameras.csv", "telescopes.csv", "eyepieces.csv", "barlows.csv"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def curate(script, sources, resolutions, out):
    return subprocess.run([sys.executable, str(script), "--sources", str(sources),
                           "--resolutions", str(resolutions), "--out", str(out)],
                          capture_output=True, text=True)


def main():
    repo = Path(sys.argv[1]).resolve()
    script = repo / "scripts" / "curate-equipment.py"
    data = repo / "data" / "equipment"
    with tempfile.TemporaryDirectory() as tmp:
        tmp = Path(tmp)

        run = curate(script, data / "sources", data / "resolutions.csv", tmp / "out")
        check(run.returncode == 0, f"the curation failed:\n{run.stderr}")
        for name in CURATED:
            made, kept = tmp / "out" / name, data / name
            check(made.exists() and made.read_bytes() == kept.read_bytes(),
                  f"data/equipment/{name} differs from what scripts/curate-equipment.py makes; rerun it")

        # A doubt no rule knows, on a row resolutions.csv does not name, must stop the run.
        sources = tmp / "sources"
        shutil.copytree(data / "sources", sources)
        with open(sources / "cameras.csv", "a", encoding="utf-8", newline="") as f:
            csv.writer(f, lineterminator="\n").writerow(
                ["Test", "Cam 1", "3", "3", "1000", "800", "", "", "apts", "a reason nobody handles"])
        run = curate(script, sources, data / "resolutions.csv", tmp / "unresolved")
        check(run.returncode != 0 and "Test Cam 1" in run.stderr,
              f"an unresolved doubt passed (exit {run.returncode}): {run.stderr}")
        check(not (tmp / "unresolved").exists(), "files were written although a doubt was unresolved")

        # A resolution for a row that is gone must stop the run too.
        stale = tmp / "stale.csv"
        stale.write_text((data / "resolutions.csv").read_text(encoding="utf-8")
                         + "cameras.csv,Test,No Such Cam,drop,,gone\n", encoding="utf-8")
        run = curate(script, data / "sources", stale, tmp / "stale")
        check(run.returncode != 0 and "No Such Cam" in run.stderr,
              f"a stale resolution passed (exit {run.returncode}): {run.stderr}")

    for failure in failures:
        print(f"FAIL: {failure}")
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
