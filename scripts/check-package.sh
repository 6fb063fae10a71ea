#!/usr/bin/env bash
# Builds the Debian package, validates its desktop entry and AppStream metadata, installs it,
# starts the installed program under Xvfb, closes its window the way a close box does
# (WM_DELETE_WINDOW) and checks that it exits by itself with status 0. The package is removed
# again at the end.
#
#   scripts/check-package.sh [--screenshot FILE]
#
# --screenshot FILE keeps the picture of the installed program's window there; a copy is
# always left in $PACKAGE_DIR/screenshot-installed.png.
set -euo pipefail

APP_ID=io.github.vkp2calc.VKP2Calculator
PACKAGE=vkp2calc
PROGRAM=/usr/bin/vkp2calc
TITLE="VKP-2 Calculator"
WINDOW_TIMEOUT=30   # seconds until the window must be shown
EXIT_TIMEOUT=10     # seconds until the program must have quit after the close request
# Debian's interpreter, the one python3-xlib installs for; another python3 may come first in PATH.
PYTHON=/usr/bin/python3

# Finds the shown top-level window by title, and sends it WM_DELETE_WINDOW.
read -r -d '' X11_HELPER <<'PY' || true
import sys, time
from Xlib import X, display, error, protocol

d = display.Display()
root = d.screen().root
net_wm_name = d.intern_atom("_NET_WM_NAME")
utf8 = d.intern_atom("UTF8_STRING")

def title_of(w):
    prop = w.get_full_property(net_wm_name, utf8)
    if prop is not None:
        return prop.value.decode("utf-8", "replace")
    name = w.get_wm_name()
    return name.decode("latin-1") if isinstance(name, bytes) else name

def find(w, title):
    for child in w.query_tree().children:
        try:
            if title_of(child) == title and child.get_attributes().map_state == X.IsViewable:
                return child
            found = find(child, title)
            if found is not None:
                return found
        except error.XError:
            pass  # windows come and go while the program starts
    return None

command = sys.argv[1]
if command == "wait":
    title, deadline = sys.argv[2], time.monotonic() + float(sys.argv[3])
    while time.monotonic() < deadline:
        w = find(root, title)
        if w is not None:
            print(hex(w.id))
            sys.exit(0)
        time.sleep(0.2)
    sys.exit(1)
elif command == "close":
    w = d.create_resource_object("window", int(sys.argv[2], 16))
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    if delete not in (w.get_wm_protocols() or []):
        print("the window does not take WM_DELETE_WINDOW", file=sys.stderr)
        sys.exit(1)
    event = protocol.event.ClientMessage(window=w, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    w.send_event(event, event_mask=X.NoEventMask)
    d.flush()
PY

# Runs inside xvfb-run: start, wait for the window, picture it, close it, check the exit.
smoke_inside() {
    local shot=$1 log=$2 pid wid status waited
    # The platform must be the X server here, whatever the caller's environment says.
    env -u QT_QPA_PLATFORM "$PROGRAM" >"$log" 2>&1 &
    pid=$!
    if ! wid=$("$PYTHON" -c "$X11_HELPER" wait "$TITLE" "$WINDOW_TIMEOUT"); then
        echo "FAIL: no window titled '$TITLE' within ${WINDOW_TIMEOUT}s" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    echo "window shown: $wid"
    sleep 1   # let the first paint finish before the picture
    import -window "$wid" "$shot"
    echo "sending WM_DELETE_WINDOW"
    "$PYTHON" -c "$X11_HELPER" close "$wid"
    waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt $((EXIT_TIMEOUT * 10)) ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: still running ${EXIT_TIMEOUT}s after the close request" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    status=0
    wait "$pid" || status=$?
    echo "exited with status $status after about $((waited / 10)).$((waited % 10))s"
    [ "$status" -eq 0 ]
}

# The planner is smoke-tested the same way, as its own program with its own window title.
PLANNER_ID=io.github.vkp2calc.VKP2Planner
PLANNER_PROGRAM=/usr/bin/vkp2planner
PLANNER_TITLE="VKP-2 Planner"
if [ "${1:-}" = "--inside-x-planner" ]; then
    PROGRAM=$PLANNER_PROGRAM TITLE=$PLANNER_TITLE smoke_inside "$2" "$3"
    exit
fi

if [ "${1:-}" = "--inside-x" ]; then
    smoke_inside "$2" "$3"
    exit
fi

keep_screenshot=""
while [ $# -gt 0 ]; do
    case "$1" in
        --screenshot) keep_screenshot=$(realpath -m "$2"); shift 2 ;;
        *) echo "usage: $0 [--screenshot FILE]" >&2; exit 2 ;;
    esac
done

self=$(realpath "$0")
cd "$(dirname "$self")/.."
PACKAGE_DIR=${PACKAGE_DIR:-build-pkg}

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi

# --- Tools --------------------------------------------------------------------------------
needed=(make desktop-file-utils appstream xvfb xauth python3-xlib imagemagick)
scripts/ensure-packages.sh "${needed[@]}"

# --- Build --------------------------------------------------------------------------------
echo "== make package"
make package PACKAGE_DIR="$PACKAGE_DIR"
debs=("$PACKAGE_DIR"/deb/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected one .deb in $PACKAGE_DIR/deb, found: ${debs[*]}" >&2
    exit 1
fi

work=$(mktemp -d)
installed=0
cleanup() {
    if [ "$installed" -eq 1 ]; then
        echo "== removing $PACKAGE"
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq "$PACKAGE" || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# apt reads a local .deb as its own unprivileged user, so it goes where that user can read it.
chmod 755 "$work"
cp "${debs[0]}" "$work/"
deb="$work/$(basename "${debs[0]}")"
chmod 644 "$deb"

# --- Install ------------------------------------------------------------------------------
echo "== apt-get install $deb"
installed=1
# A machine with stale package lists cannot fetch the Qt runtime; refresh them once and retry.
if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"; then
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"
fi

failures=0
for f in "$PROGRAM" \
         "/usr/share/applications/$APP_ID.desktop" \
         "/usr/share/metainfo/$APP_ID.metainfo.xml" \
         "/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg" \
         /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/"$APP_ID.png" \
         /usr/bin/vkp2plan /usr/share/man/man1/vkp2plan.1* /usr/share/man/de/man1/vkp2plan.1*; do
    if [ ! -s "$f" ]; then
        echo "FAIL: not installed: $f" >&2
        failures=$((failures + 1))
    fi
done

# --- Validators (on the files as installed) -----------------------------------------------
echo "== desktop-file-validate /usr/share/applications/$APP_ID.desktop"
if desktop-file-validate "/usr/share/applications/$APP_ID.desktop"; then
    echo "desktop-file-validate: passed"
else
    echo "FAIL: desktop-file-validate" >&2
    failures=$((failures + 1))
fi

echo "== appstreamcli validate --pedantic --no-net /usr/share/metainfo/$APP_ID.metainfo.xml"
if appstreamcli validate --pedantic --no-net "/usr/share/metainfo/$APP_ID.metainfo.xml"; then
    echo "appstreamcli validate: passed"
else
    echo "FAIL: appstreamcli validate" >&2
    failures=$((failures + 1))
fi

# --- The planner on the command line ------------------------------------------------------
echo "== /usr/bin/vkp2plan"
mkdir -p "$work/plan"
if plan_version=$(cd "$work/plan" && LC_ALL=C HOME="$work/plan" XDG_DATA_HOME="$work/plan/data" \
        /usr/bin/vkp2plan --version) && [ "$plan_version" = "vkp2plan $(dpkg-deb -f "$deb" Version)" ] \
   && (cd "$work/plan" && LC_ALL=C HOME="$work/plan" XDG_DATA_HOME="$work/plan/data" \
        /usr/bin/vkp2plan show --telescope DR-106 --ocular "WS 5mm" --d 55 --tl 5) \
        | grep -qx 'Extended Focal Length (mm) = 7960.6'; then
    echo "vkp2plan: passed ($plan_version)"
else
    echo "FAIL: vkp2plan --version or show" >&2
    failures=$((failures + 1))
fi

# --- Start, show, close -------------------------------------------------------------------
# The program keeps its setup in the current directory and may write settings under the home
# folder, so both point into the temporary directory.
echo "== smoke test of $PROGRAM under Xvfb"
mkdir -p "$work/run" "$work/home"
shot="$work/screenshot.png"
if (cd "$work/run" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$self" --inside-x "$shot" "$work/program.log"); then
    echo "smoke test: passed"
else
    echo "FAIL: smoke test" >&2
    failures=$((failures + 1))
fi
if [ -s "$work/program.log" ]; then
    echo "-- program output:"
    cat "$work/program.log"
fi
echo "-- files the program left:"
(cd "$work" && find run home -mindepth 1 -printf '%p %s bytes\n' | sort)

if [ -s "$shot" ]; then
    cp "$shot" "$PACKAGE_DIR/screenshot-installed.png"
    echo "screenshot: $PACKAGE_DIR/screenshot-installed.png"
    if [ -n "$keep_screenshot" ]; then
        mkdir -p "$(dirname "$keep_screenshot")"
        cp "$shot" "$keep_screenshot"
        echo "screenshot kept as $keep_screenshot"
    fi
fi

# --- The planner: installed files, validators, start and close ----------------------------
for f in "$PLANNER_PROGRAM" \
         "/usr/share/applications/$PLANNER_ID.desktop" \
         "/usr/share/metainfo/$PLANNER_ID.metainfo.xml" \
         "/usr/share/icons/hicolor/scalable/apps/$PLANNER_ID.svg" \
         /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/"$PLANNER_ID.png"; do
    if [ ! -s "$f" ]; then
        echo "FAIL: not installed: $f" >&2
        failures=$((failures + 1))
    fi
done
if desktop-file-validate "/usr/share/applications/$PLANNER_ID.desktop"; then
    echo "desktop-file-validate (planner): passed"
else
    echo "FAIL: desktop-file-validate (planner)" >&2
    failures=$((failures + 1))
fi
if appstreamcli validate --pedantic --no-net "/usr/share/metainfo/$PLANNER_ID.metainfo.xml"; then
    echo "appstreamcli validate (planner): passed"
else
    echo "FAIL: appstreamcli validate (planner)" >&2
    failures=$((failures + 1))
fi
echo "== smoke test of $PLANNER_PROGRAM under Xvfb"
mkdir -p "$work/run-planner" "$work/home-planner"
if (cd "$work/run-planner" && HOME="$work/home-planner" XDG_CONFIG_HOME="$work/home-planner/.config" \
        xvfb-run -a -s "-screen 0 1400x1000x24" \
        "$self" --inside-x-planner "$work/planner-screenshot.png" "$work/planner.log"); then
    echo "smoke test (planner): passed"
else
    echo "FAIL: smoke test (planner)" >&2
    failures=$((failures + 1))
fi
[ -s "$work/planner.log" ] && { echo "-- planner output:"; cat "$work/planner.log"; }
if [ -e "$work/run-planner/vkp2user.dat" ]; then
    echo "FAIL: the planner wrote the calculator's vkp2user.dat" >&2
    failures=$((failures + 1))
fi
[ -s "$work/planner-screenshot.png" ] && cp "$work/planner-screenshot.png" "$PACKAGE_DIR/planner-screenshot-installed.png"

if [ "$failures" -ne 0 ]; then
    echo "check-package: $failures check(s) failed" >&2
    exit 1
fi
echo "check-package: all checks passed"
