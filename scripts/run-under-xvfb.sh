#!/usr/bin/env bash
# Runs a program on a virtual X server with the openbox window manager, so that a test sees
# real window placement and focus. Exits 77 (skipped) when Xvfb or openbox is missing.
#   scripts/run-under-xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
for tool in xvfb-run openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "run-under-xvfb: $tool is not installed; skipping" >&2
        exit 77
    fi
done
export PROGRAM_TO_RUN=$1
shift
exec env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
    status=0
    "$PROGRAM_TO_RUN" "$@" || status=$?
    kill "$wm" 2>/dev/null || true
    exit "$status"' run-under-xvfb "$@"
