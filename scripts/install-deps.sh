#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any are missing.
# --screenshot adds imagemagick for scripts/screenshot.sh.
set -euo pipefail

# Qt's SQLite driver (libqt6sql6-sqlite) reads KStars' equipment database.
# ERFA (liberfa-dev) computes where the Moon, the Sun and the planets are on a date.
packages=(cmake make g++ pkg-config liberfa-dev qt6-base-dev qt6-svg-dev libqt6sql6-sqlite libgl-dev fonts-dejavu-core fonts-liberation2 dpkg-dev)
# Qt Linguist's lupdate and lrelease build the planners' German; qt6-translations-l10n gives
# Qt's own words (standard buttons, file dialogs) in German.
packages+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# The tests that start the real program under a virtual X server and a window manager.
packages+=(xvfb xauth x11-utils openbox python3-xlib)
if [ "${1:-}" = "--screenshot" ]; then
    packages+=(imagemagick)
fi
exec "$(dirname "$0")/ensure-packages.sh" "${packages[@]}"
