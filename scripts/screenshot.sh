#!/usr/bin/env bash
# Takes a screenshot of the calculator under a virtual X server: docs/screenshot.png.
# Usage: scripts/screenshot.sh [output.png] [scale] [light|dark|night]
#   scale 2 shows the window at 2x; dark shows it in a dark palette (tests/support/widgets/palette_window);
#   night starts it in night mode, as remembered in its settings
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
scale=${2:-1}
palette=${3:-light}
target=vkp2calc bin=$PWD/build/src/vkp2calc
if [ "$palette" = dark ]; then
    target=palette_window bin=$PWD/build/tests/palette_window
fi
command -v xvfb-run >/dev/null && command -v import >/dev/null || scripts/install-deps.sh --screenshot
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice cmake --build build -j "$(nproc)" --target "$target" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$(dirname "$out")"
outpath=$(realpath -m "$out")
(
    cd "$work"
    export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_SCALE_FACTOR=$scale
    if [ "$palette" = night ]; then
        # The setting the window reads at start (storage/night_mode.cpp).
        mkdir -p "$XDG_CONFIG_HOME/VKP2"
        printf '[General]\nNightMode=true\n' >"$XDG_CONFIG_HOME/VKP2/VKP2 Night mode.conf"
    fi
    xvfb-run -a -s "-screen 0 1400x1100x24" bash -c "
        if [ $palette = night ] && command -v openbox >/dev/null; then openbox & sleep 0.5; fi
        '$bin' & pid=\$!
        for i in \$(seq 50); do xwininfo -name 'VKP-2 Calculator' >/dev/null 2>&1 && break; sleep 0.2; done
        sleep 1
        id=\$(xwininfo -name 'VKP-2 Calculator' | awk '/Window id/ {print \$4}')
        import -window \"\$id\" '$outpath'
        kill \$pid"
)
echo "wrote $out"
