#!/usr/bin/python3
"""vkp2plan over the whole kit next to the floor of printing the same rows.

Runs `vkp2plan table --all --format csv` (every telescope, ocular, camera and binning mode
through the headless calculator) and bench/plan_floor (the same rows and columns formatted and
printed by the same code from numbers known beforehand) in turn, many times, and prints the
medians of wall and CPU time, their spread and the ratio. Both write to a pipe that is read to
the end, and both must print the same number of lines. vkp2plan runs in a fresh folder with its
own HOME and XDG_DATA_HOME, so it reads no user's setup.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def build(build_dir):
    subprocess.run(["cmake", "-S", ROOT, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Release"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build_dir, "-j", str(os.cpu_count() or 2),
                    "--target", "vkp2plan", "plan_floor"], check=True, stdout=subprocess.DEVNULL)


def run_once(command, env, cwd):
    """Wall milliseconds and lines printed."""
    started = time.monotonic_ns()
    proc = subprocess.Popen(command, env=env, cwd=cwd, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)
    out, err = proc.communicate()
    wall = (time.monotonic_ns() - started) / 1e6
    if proc.returncode not in (0, 1):  # 1: vkp2plan reports the HX916's refused 3x3 mode
        sys.exit(f"{command[0]}: exit status {proc.returncode}: {err.decode(errors='replace')}")
    return wall, out.count(b"\n")


def cpu_of(fn):
    """fn's result and the CPU milliseconds (user and system) of the children it waited for."""
    before = os.times()
    result = fn()
    after = os.times()
    cpu = ((after.children_user - before.children_user)
           + (after.children_system - before.children_system)) * 1000
    return result, cpu


def summary(values):
    values = sorted(values)
    q = statistics.quantiles(values, n=10) if len(values) > 2 else [values[0]] * 9
    return statistics.median(values), q[0], q[-1]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15, help="runs of each program (15)")
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build-bench"))
    parser.add_argument("--no-build", action="store_true", help="use the programs as built")
    args = parser.parse_args()

    args.build_dir = os.path.abspath(args.build_dir)
    if not args.no_build:
        build(args.build_dir)
    programs = {
        "vkp2plan": [os.path.join(args.build_dir, "src", "vkp2plan"),
                     "table", "--all", "--format", "csv"],
        "floor": [os.path.join(args.build_dir, "bench", "plan_floor")],
    }
    load_before = f"{os.getloadavg()[0]:.2f}"
    with tempfile.TemporaryDirectory(prefix="vkp2-plan-") as home:
        env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_", "LC_"))}
        env.update(HOME=home, XDG_DATA_HOME=os.path.join(home, "data"), LC_ALL="C")
        walls = {name: [] for name in programs}
        cpus = {name: [] for name in programs}
        lines = {}
        for name, command in programs.items():  # warm the file cache, not counted
            lines[name] = run_once(command, env, home)[1]
        if lines["vkp2plan"] != lines["floor"]:
            sys.exit(f"the floor prints {lines['floor']} lines, vkp2plan {lines['vkp2plan']}")
        order = list(programs)
        for run in range(args.runs):
            for name in order[run % 2:] + order[:run % 2]:  # alternating order
                (wall, _), cpu = cpu_of(lambda: run_once(programs[name], env, home))
                walls[name].append(wall)
                cpus[name].append(cpu)

    cpu = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
                if line.startswith("model name")), "unknown CPU")
    print(f"{time.strftime('%Y-%m-%d')}, {os.cpu_count()} cores, {cpu}, {args.runs} runs each, "
          f"{lines['floor'] - 1} rows")
    print(f"{'':10} {'wall (ms)':>10} {'p10':>7} {'p90':>7}  {'CPU (ms)':>9} {'p10':>7} {'p90':>7}")
    for name in programs:
        w, w10, w90 = summary(walls[name])
        c, c10, c90 = summary(cpus[name])
        print(f"{name:10} {w:10.1f} {w10:7.1f} {w90:7.1f}  {c:9.1f} {c10:7.1f} {c90:7.1f}")
    wall_ratio = statistics.median(walls["vkp2plan"]) / statistics.median(walls["floor"])
    cpu_ratio = statistics.median(cpus["vkp2plan"]) / statistics.median(cpus["floor"])
    whole = statistics.median(walls["vkp2plan"]) / 1000
    print(f"ratio vkp2plan / floor: wall {wall_ratio:.2f}, CPU {cpu_ratio:.2f} (target <= 3); "
          f"whole run {whole:.2f} s (target < 1 s)")
    print(f"load average before and after: {load_before} / {os.getloadavg()[0]:.2f}")


if __name__ == "__main__":
    main()
