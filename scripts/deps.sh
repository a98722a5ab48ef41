#!/usr/bin/env bash
# Installs the Debian packages Tolva needs to build, run and test, if any are missing.
set -euo pipefail

# libqt6svg6 draws the window icon (an SVG); libtidy-dev is HTML Tidy, the page's check.
# The Debian package: librsvg2-bin draws its PNG icons, dpkg-dev finds its dependencies,
# and lintian, appstream and man-db check it. xdotool and imagemagick take the README's
# screenshot.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev libqt6svg6 libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fontconfig fonts-dejavu-core
          clang-format clang-tidy desktop-file-utils libtidy-dev librsvg2-bin dpkg-dev lintian
          appstream man-db xdotool imagemagick)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
