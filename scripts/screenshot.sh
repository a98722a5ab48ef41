#!/usr/bin/env bash
# Takes the README's picture of the main window: the real program on a virtual display,
# with a small page open, saved as a PNG of few colours so the repository stays small.
# Usage: scripts/screenshot.sh [OUT.png]   (default: data/screenshot.png)
# TOLVA=path/to/tolva takes the picture of a binary already built instead of the release one.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-data/screenshot.png}
bin=${TOLVA:-}
if [ -z "$bin" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target tolva
    bin=build/release/tolva
fi
work=$(mktemp -d)
trap 'kill "$app" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

cat >"$work/index.html" <<'PAGE'
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN">
<HTML>
<HEAD>
	<TITLE>Bakery on the Hill</TITLE>
</HEAD>
<body  text="black" bgcolor="white" link="blue" vlink="red" alink="maroon">
<H1>Bakery on the Hill</H1>
<P>Fresh bread <B>every morning</B> from six, and cakes to order.</P>
<UL>
	<LI>Sourdough</LI>
	<LI>Rye and caraway</LI>
	<LI><A HREF="cakes.html">Cakes</A></LI>
</UL>
<IMG SRC="shop.jpg" ALT="The shop front" BORDER=0>
</BODY>
</HTML>
PAGE

for n in $(seq 150 199); do [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1400x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
# Its own state folder: no recovery question from another run gets into the picture.
DISPLAY=":$n" XDG_STATE_HOME="$work/state" "$bin" "$work/index.html" \
    >/dev/null 2>&1 &
app=$!
# The splash goes after about two and a half seconds; page properties comes up with the
# page, and Escape puts it away. WAIT=seconds gives a slow (sanitized) build longer.
sleep "${WAIT:-6}"
# A key sent to a window is ignored by Qt; a typed one (XTEST) reaches the focused window.
DISPLAY=":$n" xdotool search --name "^Page Properties" windowfocus --sync %1 key Escape \
    2>/dev/null || true
sleep 2
window=$(DISPLAY=":$n" xdotool search --name "index.html" | head -n 1)
DISPLAY=":$n" import -window "$window" "$work/shot.png"
convert "$work/shot.png" -resize '1000x1000>' -colors 64 "png8:$out"
echo "$out ($(stat -c %s "$out") bytes)"
