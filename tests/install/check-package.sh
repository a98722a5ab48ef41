#!/bin/sh
# Makes the Debian package from a build folder, unpacks it into a scratch root, checks that
# every file is where the desktop expects it (layout.sh) and that lintian finds no error.
# Lintian's warnings are printed, not failed on.
# Usage: check-package.sh BUILD_DIR SCRATCH
set -u
build=$1 scratch=$2
fail() { echo "$*" >&2; exit 1; }
. "$(dirname "$0")/layout.sh"

rm -rf "$scratch"
mkdir -p "$scratch/out"
# gzip, not the package's xz: the check reads the package once, and xz is slow to write.
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
    >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
set -- "$scratch"/out/tolva_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "cpack made no single tolva_*.deb"
deb=$1
dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb cannot unpack $deb"
check_layout "$scratch/root/usr"

# The dependencies come from the libraries the binary links.
depends=$(dpkg-deb -f "$deb" Depends)
case $depends in *libqt6widgets6*) ;; *) fail "Depends misses Qt's widgets: $depends" ;; esac

lintian --fail-on error --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1
rc=$?
cat "$scratch/lintian.log"
[ $rc -eq 0 ] || fail "lintian finds an error in $deb"
