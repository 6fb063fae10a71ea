#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any are missing.
# --screenshot adds what scripts/screenshot.sh needs (a virtual X server and imagemagick).
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core fonts-liberation2 dpkg-dev)
if [ "${1:-}" = "--screenshot" ]; then
    packages+=(xvfb xauth imagemagick x11-utils)
fi
exec "$(dirname "$0")/ensure-packages.sh" "${packages[@]}"
