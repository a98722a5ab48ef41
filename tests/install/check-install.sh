#!/bin/sh
# Installs the build into a fresh prefix and checks that everything lands where desktops
# look for it (layout.sh).
# Usage: check-install.sh BUILD_DIR PREFIX
set -u
build=$1 prefix=$2
fail() { echo "$*" >&2; exit 1; }
. "$(dirname "$0")/layout.sh"

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
check_layout "$prefix"
