#!/usr/bin/env bash
# Installs what is missing, builds Tolva (Release) and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tolva
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Tolva on a virtual display (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1400x1000x24" ./build/release/tolva "$@"
fi
exec ./build/release/tolva "$@"
