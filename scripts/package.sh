#!/usr/bin/env bash
# Builds the Debian package (Release) with CPack and prints its path. Install it with
#   sudo apt-get install ./build/release/tolva_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake --preset release >/dev/null
# The editor and what the package adds to it; the benchmarks stay out.
cmake --build --preset release --target tolva tolva_package_files
rm -f build/release/tolva_*.deb
(cd build/release && cpack -G DEB >cpack.log) || { cat build/release/cpack.log; exit 1; }
ls "$PWD"/build/release/tolva_*.deb
