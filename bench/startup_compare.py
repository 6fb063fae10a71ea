#!/usr/bin/python3
"""Start-up of the calculator next to a bare Qt main window of the same size.

Builds both (Release), then starts them in turn, many times, until each shows its first frame,
and prints the medians, their spread and ratio, the CPU time, and the peak memory (maximum
resident set) of each. Both programs print the monotonic clock once their first frame is shown
and end at once (VKP2_EXIT_WHEN_SHOWN=1); the time counts from just before the process starts.
The bare window showing one line of text is measured as well, for reference only.
With --callgrind, each program also runs once under valgrind's callgrind, which counts the
instructions run until the first frame; unlike the times, that count repeats from run to run.
The calculator (bench/vkp2calc_timed: the shipped program plus that hook) runs in a fresh
folder with its own HOME and XDG_CONFIG_HOME, so it neither reads nor writes the user's settings
or equipment file.
"""

import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def build(build_dir):
    subprocess.run(["cmake", "-S", ROOT, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Release"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build_dir, "-j", str(os.cpu_count() or 2),
                    "--target", "vkp2calc_timed", "bare_window"], check=True, stdout=subprocess.DEVNULL)


def start_once(command, env, cwd, timeout):
    """Milliseconds from start to first frame, CPU milliseconds used (user and system), and
    peak memory (maximum resident set) in KiB."""
    program = command[0]
    started = time.monotonic_ns()
    errors = tempfile.TemporaryFile()
    proc = subprocess.Popen(command, env=env, cwd=cwd, stdout=subprocess.PIPE, stderr=errors)
    watchdog = threading.Timer(timeout, proc.kill)
    watchdog.start()
    out = proc.stdout.read().decode()
    _, status, usage = os.wait4(proc.pid, 0)  # reaped here, for its resource use
    proc.returncode = os.waitstatus_to_exitcode(status)
    watchdog.cancel()
    shown = [line for line in out.splitlines() if line.startswith("shown ")]
    if proc.returncode != 0 or not shown:
        errors.seek(0)
        sys.exit(f"{program}: exit status {proc.returncode}, output {out!r}, "
                 f"errors {errors.read().decode(errors='replace')[-2000:]}")
    errors.close()
    cpu = (usage.ru_utime + usage.ru_stime) * 1000
    return (int(shown[0].split()[1]) - started) / 1e6, cpu, usage.ru_maxrss


def instructions(command, env, cwd, timeout):
    """Instructions run until the first frame, as callgrind counts them."""
    with tempfile.TemporaryDirectory(prefix="vkp2-callgrind-") as out:
        proc = subprocess.run(["valgrind", "--tool=callgrind",
                               f"--callgrind-out-file={out}/callgrind.out"] + command,
                              env=env, cwd=cwd, capture_output=True, text=True,
                              timeout=timeout * 20)
    found = re.search(r"Collected : (\d+)", proc.stderr)
    if proc.returncode != 0 or not found:
        sys.exit(f"{command[0]} under callgrind: exit status {proc.returncode}, "
                 f"errors {proc.stderr[-2000:]}")
    return int(found.group(1))


def summary(values):
    values = sorted(values)
    q = statistics.quantiles(values, n=10) if len(values) > 2 else [values[0]] * 9
    return statistics.median(values), q[0], q[-1], values[0], values[-1]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=30, help="starts of each program (30)")
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build-bench"))
    parser.add_argument("--no-build", action="store_true", help="use the programs as built")
    parser.add_argument("--platform", default="offscreen",
                        help="QT_QPA_PLATFORM for both (offscreen); 'xcb' needs DISPLAY")
    parser.add_argument("--timeout", type=float, default=30)
    parser.add_argument("--callgrind", action="store_true",
                        help="also count instructions to the first frame with valgrind")
    args = parser.parse_args()
    if args.callgrind and not shutil.which("valgrind"):
        sys.exit("--callgrind needs valgrind")

    args.build_dir = os.path.abspath(args.build_dir)
    if not args.no_build:
        build(args.build_dir)
    load_before = f"{os.getloadavg()[0]:.2f}"
    bare = os.path.join(args.build_dir, "bench", "bare_window")
    programs = {
        # The shipped program with the timing hook added; nothing else differs.
        "calculator": [os.path.join(args.build_dir, "bench", "vkp2calc_timed")],
        "bare window": [bare],
        # Not part of the targets: shows what drawing any text at all adds to the bare window.
        "bare + text": [bare, "--with-text"],
    }

    with tempfile.TemporaryDirectory(prefix="vkp2-startup-") as home:
        env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM=args.platform,
                   VKP2_EXIT_WHEN_SHOWN="1")
        os.chmod(home, 0o700)  # also the runtime folder, which Qt wants private
        times = {name: [] for name in programs}
        cpus = {name: [] for name in programs}
        peaks = {name: [] for name in programs}
        for name, program in programs.items():  # warm the file cache, not counted
            start_once(program, env, home, args.timeout)
        order = list(programs)
        for run in range(args.runs):
            for name in order[run % len(order):] + order[:run % len(order)]:  # rotating order
                # No vkp2user.dat in the (empty) current folder or the fresh data folder.
                ms, cpu, peak = start_once(programs[name], env, home, args.timeout)
                times[name].append(ms)
                cpus[name].append(cpu)
                peaks[name].append(peak)
        counts = {name: instructions(program, env, home, args.timeout)
                  for name, program in programs.items()} if args.callgrind else {}
        leftovers = sorted(os.listdir(home))

    cpu = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
                if line.startswith("model name")), "unknown CPU")
    print(f"{time.strftime('%Y-%m-%d')}, {os.cpu_count()} cores, {cpu}, "
          f"QT_QPA_PLATFORM={args.platform}, {args.runs} starts each in rotating order")
    print(f"{'':12} {'to first frame (ms)':>20}  {'p10':>6} {'p90':>6} {'min':>6} {'max':>6}"
          f"  {'CPU (ms)':>8} {'p10':>6} {'p90':>6}  {'peak memory (MiB)':>17} {'min':>5} {'max':>5}")
    for name in programs:
        med, p10, p90, lo, hi = summary(times[name])
        cmed, c10, c90, _, _ = summary(cpus[name])
        pk = [p / 1024 for p in peaks[name]]
        print(f"{name:12} {med:20.1f}  {p10:6.1f} {p90:6.1f} {lo:6.1f} {hi:6.1f}"
              f"  {cmed:8.1f} {c10:6.1f} {c90:6.1f}"
              f"  {statistics.median(pk):17.1f} {min(pk):5.1f} {max(pk):5.1f}")
    app, bare = "calculator", "bare window"
    t_ratio = statistics.median(times[app]) / statistics.median(times[bare])
    m_ratio = statistics.median(peaks[app]) / statistics.median(peaks[bare])
    c_ratio = statistics.median(cpus[app]) / statistics.median(cpus[bare])
    print(f"ratio calculator / bare window: start-up {t_ratio:.2f} (goal <= 1.10), "
          f"peak memory {m_ratio:.2f} (goal <= 1.05); CPU time {c_ratio:.2f}")
    text = "bare + text"
    print(f"for comparison, calculator / bare window with one line of text: start-up "
          f"{statistics.median(times[app]) / statistics.median(times[text]):.2f}, peak memory "
          f"{statistics.median(peaks[app]) / statistics.median(peaks[text]):.2f}, CPU time "
          f"{statistics.median(cpus[app]) / statistics.median(cpus[text]):.2f}")
    if counts:
        print("instructions to the first frame (callgrind): " + ", ".join(
            f"{name} {count / 1e6:.1f} M" for name, count in counts.items())
            + f"; ratio calculator / bare window {counts[app] / counts[bare]:.2f}")
    print(f"load average before and after: {load_before} / {os.getloadavg()[0]:.2f}")
    if leftovers:
        print(f"note: the runs left {leftovers} in their temporary folder")


if __name__ == "__main__":
    main()
