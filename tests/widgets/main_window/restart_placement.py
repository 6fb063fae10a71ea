#!/usr/bin/python3
"""Close and restart the real program under a virtual X server, with and without a window
manager (openbox), and check that the stored placement does not change from run to run, also
after a maximized close.

Usage: restart_placement.py PROGRAM
Exits 77 (a skip for CTest) when Xvfb, openbox or python3-xlib is missing.
"""
import configparser
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TITLE = "VKP-2 Calculator"
KEYS = ("MainLeft", "MainTop", "MainWidth", "MainHeight")
DEFAULTS = ["1005", "1005", "8595", "8430"]  # 1000 twips rounds to 67 px
RESTARTS = 3
SCREEN = (1280, 1024)

try:
    from Xlib import X, display, error, protocol
except ImportError:
    print("SKIP: python3-xlib is not installed")
    sys.exit(SKIP)
for tool in ("Xvfb", "openbox"):
    if shutil.which(tool) is None:
        print(f"SKIP: {tool} is not installed")
        sys.exit(SKIP)


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        number = f.readline().strip()
    if not number:
        server.kill()
        sys.exit("FAIL: Xvfb did not start")
    return server, ":" + number


def title_of(w, net_wm_name, utf8):
    prop = w.get_full_property(net_wm_name, utf8)
    if prop is not None:
        return prop.value.decode("utf-8", "replace")
    name = w.get_wm_name()
    return name.decode("latin-1") if isinstance(name, bytes) else name


def find_window(d, timeout=20):
    net_wm_name, utf8 = d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING")

    def find(w):
        for child in w.query_tree().children:
            try:
                if (title_of(child, net_wm_name, utf8) == TITLE
                        and child.get_attributes().map_state == X.IsViewable):
                    return child
                found = find(child)
                if found is not None:
                    return found
            except error.XError:
                pass  # windows come and go while the program starts
        return None

    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        w = find(d.screen().root)
        if w is not None:
            return w
        time.sleep(0.1)
    return None


def settle(d, w):
    """Waits until the window's place and size on the screen stop changing (framed, fitted)."""
    root = d.screen().root
    last, steady = None, 0
    deadline = time.monotonic() + 15
    time.sleep(0.5)
    while steady < 3 and time.monotonic() < deadline:
        try:
            g = w.get_geometry()
            at = w.translate_coords(root, 0, 0)
            now = (at.x, at.y, g.width, g.height)
        except error.XError:
            now = None
        steady = steady + 1 if now == last else 0
        last = now
        time.sleep(0.25)


def send(d, w, atom, values, to_root=False):
    data = (32, (values + [0] * 5)[:5])
    event = protocol.event.ClientMessage(window=w, client_type=d.intern_atom(atom), data=data)
    target = d.screen().root if to_root else w
    mask = (X.SubstructureRedirectMask | X.SubstructureNotifyMask) if to_root else X.NoEventMask
    target.send_event(event, event_mask=mask)
    d.flush()


def stored(config_home):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(os.path.join(config_home, "VKP2", "VKP2.conf"))
    return [parser.get("Settings", key, fallback="") for key in KEYS]


def on_screen(values):
    """A maximized window's rectangle (a window manager may let its border run past the screen's
    edges) as the next start shows it: no larger than the screen, and on it."""
    left, top, width, height = (round(float(v) / 15) for v in values)
    width, height = min(width, SCREEN[0]), min(height, SCREEN[1])
    left = min(max(left, 0), SCREEN[0] - width)
    top = min(max(top, 0), SCREEN[1] - height)
    return [str(v * 15) for v in (left, top, width, height)]


def run_once(d, program, env, work, maximize):
    """Starts the program, lets it settle, optionally maximizes it, closes it as the close box
    does, and returns the stored placement."""
    errors = tempfile.TemporaryFile()
    child = subprocess.Popen([program], cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=errors)
    try:
        w = find_window(d)
        if w is None:
            sys.exit("FAIL: the window did not appear")
        settle(d, w)  # framed and placed by the window manager, if there is one
        if maximize:
            maximized = d.intern_atom("_NET_WM_STATE_MAXIMIZED_HORZ")
            send(d, w, "_NET_WM_STATE", [1, d.intern_atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                                         maximized, 1], to_root=True)
            settle(d, w)
            atoms = w.get_full_property(d.intern_atom("_NET_WM_STATE"), X.AnyPropertyType)
            if atoms is None or maximized not in atoms.value:
                sys.exit("FAIL: the window manager did not maximize the window")
        for _ in range(3):  # a request sent while the program is busy may go unseen
            send(d, w, "WM_PROTOCOLS", [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime])
            try:
                child.wait(timeout=5)
                break
            except subprocess.TimeoutExpired:
                pass
        if child.poll() is None:
            sys.exit("FAIL: the program did not quit after the close request")
    finally:
        if child.poll() is None:
            child.kill()
            child.wait()
    if child.returncode != 0:
        errors.seek(0)
        sys.exit(f"FAIL: exit status {child.returncode}: {errors.read().decode(errors='replace')}")
    return stored(env["XDG_CONFIG_HOME"])


def check(program, with_wm, maximize):
    label = ("openbox" if with_wm else "no window manager") + (", maximized" if maximize else "")
    server, name = start_xvfb()
    wm = None
    try:
        with tempfile.TemporaryDirectory(prefix="vkp2-placement-") as home:
            env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
            env.update(DISPLAY=name, HOME=home, QT_QPA_PLATFORM="xcb",
                       XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=home)
            os.chmod(home, 0o700)
            if with_wm:
                wm = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                time.sleep(1.0)
            # Held open throughout: Xvfb resets itself, dropping new clients, when its last one leaves.
            d = display.Display(name)
            first = run_once(d, program, env, home, maximize)
            runs = [first]
            if not maximize and first != DEFAULTS:
                print(f"FAIL ({label}): first close stored {first}, expected {DEFAULTS}")
                return False
            for _ in range(RESTARTS):
                runs.append(run_once(d, program, env, home, False))
            print(f"{label}: {runs}")
            expected = on_screen(first) if maximize else first
            if any(r != expected for r in runs[1:]):
                print(f"FAIL ({label}): the placement changed from run to run; expected {expected}")
                return False
            if maximize and float(first[2]) / 15 < SCREEN[0] - 10:
                print(f"FAIL ({label}): {first} is not the maximized rectangle")
                return False
            return True
    finally:
        if wm is not None:
            wm.terminate()
            wm.wait()
        server.terminate()
        server.wait()


def main():
    program = os.path.abspath(sys.argv[1])
    ok = True
    for with_wm, maximize in ((True, False), (True, True), (False, False)):
        ok = check(program, with_wm, maximize) and ok
    print("PASS" if ok else "FAIL")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
