#!/usr/bin/env bash
# Starts the built application; without a display it explains how to use Xvfb.
set -euo pipefail
binary="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found. Start Pennibar under a virtual display with:"
    echo "    xvfb-run -a $binary"
    exit 0
fi
exec "$binary"
