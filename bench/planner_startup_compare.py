#!/usr/bin/python3
"""Start-up of the planner next to the calculator's own, in the same run.

Starts the bench-only builds of the planner (vkp2planner_first_frame) and of the calculator
(vkp2calc_timed) in turn, both ending at their first frame (VKP2_EXIT_WHEN_SHOWN=1), many times,
and prints the medians and their ratio against the 1.3 target. Both run in an empty folder with their own HOME, so neither reads
nor writes the user's files. The timing itself is bench/startup_compare.py's.
"""

import argparse
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_compare import ROOT, start_once, summary  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build-bench"))
    parser.add_argument("--platform", default="offscreen")
    parser.add_argument("--timeout", type=float, default=30)
    args = parser.parse_args()
    build = os.path.abspath(args.build_dir)
    programs = {
        "planner": [os.path.join(build, "bench", "vkp2planner_first_frame")],
        "calculator": [os.path.join(build, "bench", "vkp2calc_timed")],
    }
    with tempfile.TemporaryDirectory(prefix="vkp2-planner-startup-") as home:
        env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_RUNTIME_DIR=home,
                   QT_QPA_PLATFORM=args.platform, VKP2_EXIT_WHEN_SHOWN="1")
        os.chmod(home, 0o700)
        for program in programs.values():  # warm the file cache, not counted
            start_once(program, env, home, args.timeout)
        times = {name: [] for name in programs}
        order = list(programs)
        for run in range(args.runs):
            for name in order[run % 2:] + order[:run % 2]:  # alternating order
                ms, _, _ = start_once(programs[name], env, home, args.timeout)
                times[name].append(ms)
    for name in programs:
        med, p10, p90, lo, hi = summary(times[name])
        print(f"{name:10} to first frame {med:7.1f} ms  (p10 {p10:.1f}, p90 {p90:.1f})")
    ratio = statistics.median(times["planner"]) / statistics.median(times["calculator"])
    print(f"ratio planner / calculator: {ratio:.2f} (target <= 1.3), {args.runs} starts each, "
          f"QT_QPA_PLATFORM={args.platform}")


if __name__ == "__main__":
    main()
