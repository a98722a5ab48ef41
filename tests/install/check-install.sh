#!/bin/sh
# Installs the build into a fresh prefix and checks that the binary, the desktop entry and
# the icon land where desktops look for them.
# Usage: check-install.sh BUILD_DIR PREFIX
set -u
build=$1 prefix=$2
fail() { echo "$*" >&2; exit 1; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

for f in bin/tolva share/applications/tolva.desktop share/icons/hicolor/scalable/apps/tolva.svg; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ "$("$prefix/bin/tolva" --version)" = "Tolva 1.0.0" ] || fail "the installed bin/tolva does not run"

entry=$prefix/share/applications/tolva.desktop
for line in "Exec=tolva %f" "Icon=tolva" "MimeType=text/html;application/xhtml+xml;"; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
else
    echo "desktop-file-validate not found; the entry is not validated"
fi
