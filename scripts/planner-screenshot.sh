#!/usr/bin/env bash
# Takes a screenshot of the planner window under a virtual X server with openbox:
# docs/planner-screenshot.png by default.
# Usage: scripts/planner-screenshot.sh [output.png] [scale] [--dark]
# --dark shows it in the Fusion style under a dark palette, set by the screenshot host only.
# SCREEN=WxH sets the virtual screen (default 1300x940 times the scale), e.g. SCREEN=1600x1000
# with scale 2 to see the window on a screen smaller than it would like; LANG is passed on.
# KEYS=STEPS writes a sample kit and drives the window by keyboard first, as the screenshot host
# takes them; KEYS=ctrl+k,alt+c docs/kit-dialog.png shows the Kit dialog on its Cameras tab.
# HOST_ARGS adds the screenshot host's own options, e.g. HOST_ARGS="--kit --kit-barlow 150"
# docs/planner-trains.png shows the sample kit's trains beside the VKP-2 oculars, and
# HOST_ARGS="--night --target Saturn --date 2027-01-10T22:00Z" the window in night mode.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/planner-screenshot.png}
scale=${2:-1}
dark=${3:-}
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target planner_screenshot_host >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$(dirname "$out")"
host=$PWD/build/tests/planner_screenshot_host
outpath=$(realpath -m "$out")
screen=${SCREEN:-$((1300 * scale))x$((940 * scale))}
(
    cd "$work"
    export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_SCALE_FACTOR=$scale
    export HOST=$host OUT=$outpath DARK=$dark KEYS=${KEYS:-} HOST_ARGS=${HOST_ARGS:-}
    xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
        openbox >/dev/null 2>&1 &
        sleep 0.5
        drive=()
        [ -z "$KEYS" ] || drive=(--kit --keys "$KEYS")
        if command -v import >/dev/null; then
            "$HOST" $DARK --telescope CR-150 --camera "SBIG ST-237A" --ocular "WS 12.5mm" --d 120 $HOST_ARGS "${drive[@]}" &
            pid=$!
            for i in $(seq 50); do xwininfo -name "VKP-2 Planner" >/dev/null 2>&1 && break; sleep 0.2; done
            sleep $([ -z "$KEYS" ] && echo 1.5 || echo 4)
            import -window root "$OUT"
            kill $pid
        else
            "$HOST" $DARK --telescope CR-150 --camera "SBIG ST-237A" --ocular "WS 12.5mm" --d 120 $HOST_ARGS "${drive[@]}" --grab "$OUT"
        fi'
)
echo "wrote $out"
