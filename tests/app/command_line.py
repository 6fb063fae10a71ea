#!/usr/bin/python3
"""The shipped program reads no command line and no timing variable.

Usage: command_line.py exit-variable PROGRAM   started with VKP2_EXIT_WHEN_SHOWN=1, it must
                                                still be running after 2 s (offscreen)
       command_line.py reverse PROGRAM         started with -reverse under Xvfb, its menu bar
                                                must look as without it (not mirrored)
Exits 77 (a skip for CTest) when what a check needs is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TITLE = "VKP-2 Calculator"


def private_env(home, **extra):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_", "VKP2_"))}
    env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=home, **extra)
    os.chmod(home, 0o700)
    return env


def exit_variable(program):
    with tempfile.TemporaryDirectory(prefix="vkp2-args-") as home:
        env = private_env(home, QT_QPA_PLATFORM="offscreen", VKP2_EXIT_WHEN_SHOWN="1")
        child = subprocess.Popen([program], cwd=home, env=env, stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL)
        time.sleep(2)
        running = child.poll() is None
        child.kill()
        out, _ = child.communicate()
    if not running:
        print(f"FAIL: ended by itself (status {child.returncode}, output {out!r})")
        return 1
    if out:
        print(f"FAIL: printed {out!r}")
        return 1
    print("PASS: still running after 2 s, printed nothing")
    return 0


def reverse(program):
    try:
        from Xlib import X, display, error
    except ImportError:
        print("SKIP: python3-xlib is not installed")
        return SKIP
    if shutil.which("Xvfb") is None:
        print("SKIP: Xvfb is not installed")
        return SKIP

    def find(w):
        for child in w.query_tree().children:
            try:
                if child.get_wm_name() == TITLE and child.get_attributes().map_state == X.IsViewable:
                    return child
                found = find(child)
                if found is not None:
                    return found
            except error.XError:
                pass
        return None

    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        name = ":" + f.readline().strip()
    try:
        d = display.Display(name)  # held open: Xvfb resets when its last client leaves
        strips = []
        for args in ([], ["-reverse"]):
            with tempfile.TemporaryDirectory(prefix="vkp2-args-") as home:
                env = private_env(home, DISPLAY=name, QT_QPA_PLATFORM="xcb")
                child = subprocess.Popen([program] + args, cwd=home, env=env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                try:
                    deadline, w = time.monotonic() + 20, None
                    while w is None and time.monotonic() < deadline:
                        w = find(d.screen().root)
                        time.sleep(0.2)
                    if w is None:
                        print("FAIL: the window did not appear")
                        return 1
                    time.sleep(1.5)  # painted
                    width = w.get_geometry().width
                    # The menu bar: its one entry sits left, or right when mirrored.
                    strips.append(w.get_image(0, 0, width, 18, X.ZPixmap, 0xFFFFFFFF).data)
                finally:
                    child.kill()
                    child.wait()
        if strips[0] != strips[1]:
            print("FAIL: -reverse changed the menu bar")
            return 1
        print("PASS: the menu bar is the same with -reverse")
        return 0
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    checks = {"exit-variable": exit_variable, "reverse": reverse}
    if len(sys.argv) != 3 or sys.argv[1] not in checks:
        sys.exit(__doc__)
    sys.exit(checks[sys.argv[1]](os.path.abspath(sys.argv[2])))
