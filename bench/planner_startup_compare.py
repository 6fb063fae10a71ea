#!/usr/bin/python3
"""Start-up of the planner next to the calculator's own and a bare Qt window, in the same run.

Starts the bench-only builds of the planner (vkp2planner_first_frame; in English, and in German
with its translations and Qt's loaded), of the calculator (vkp2calc_timed) and the bare window in
turn, each ending at its first frame (VKP2_EXIT_WHEN_SHOWN=1), many times, and prints the medians,
the planner's ratio to the calculator against the 1.3 target, and what the German costs. Both run in an empty folder with their own HOME, so neither reads
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
    planner = [os.path.join(build, "bench", "vkp2planner_first_frame")]
    programs = {  # name: (command, locale)
        "planner": (planner, "C.UTF-8"),
        "planner de": (planner, "de_DE.UTF-8"),
        "calculator": ([os.path.join(build, "bench", "vkp2calc_timed")], "C.UTF-8"),
        "bare": ([os.path.join(build, "bench", "bare_window")], "C.UTF-8"),
    }
    with tempfile.TemporaryDirectory(prefix="vkp2-planner-startup-") as home:
        env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_RUNTIME_DIR=home,
                   QT_QPA_PLATFORM=args.platform, VKP2_EXIT_WHEN_SHOWN="1")
        os.chmod(home, 0o700)
        env.pop("LANGUAGE", None)
        envs = {name: dict(env, LC_ALL=locale, LANG=locale) for name, (_, locale) in programs.items()}
        for name, (program, _) in programs.items():  # warm the file cache, not counted
            start_once(program, envs[name], home, args.timeout)
        times = {name: [] for name in programs}
        order = list(programs)
        for run in range(args.runs):
            for name in order[run % 2:] + order[:run % 2]:  # alternating order
                ms, _, _ = start_once(programs[name][0], envs[name], home, args.timeout)
                times[name].append(ms)
    for name in programs:
        med, p10, p90, lo, hi = summary(times[name])
        print(f"{name:10} to first frame {med:7.1f} ms  (p10 {p10:.1f}, p90 {p90:.1f})")
    med = {name: statistics.median(t) for name, t in times.items()}
    print(f"ratio planner / calculator: {med['planner'] / med['calculator']:.2f} (target <= 1.3), "
          f"{args.runs} starts each, QT_QPA_PLATFORM={args.platform}")
    print(f"German planner: {med['planner de'] - med['planner']:+.1f} ms against English, "
          f"ratio {med['planner de'] / med['planner']:.2f}; against the bare window "
          f"{med['planner de'] / med['bare']:.2f} (English {med['planner'] / med['bare']:.2f})")


if __name__ == "__main__":
    main()
