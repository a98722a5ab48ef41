#!/usr/bin/env bash
# Installs what is missing, builds Tolva with sanitizers, checks the formatting and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
cmake --build --preset dev --target format-check
ctest --preset dev
