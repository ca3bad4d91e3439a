#!/usr/bin/env bash
# Renders the main window (a solo game after a few chat lines, then a whole game
# over loopback: entry, voting, results, winner), the spy list, the game start
# window and the other side windows to PNG files under a virtual X display;
# then all of them again at a scale factor of 2, as "*-2x.png", the way a
# high-density screen shows them; then both again under a window manager, with
# the windows' frames, in framed/; last the web client in headless Chromium
# ("web-*.png": a phone, a computer and the big screen view).
#   tools/screenshot.sh [build folder] [output folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
out="${2:-$root/build/screenshots}"
program="$build/bin/lexiburst-screenshots"
if [ ! -x "$program" ]; then
  echo "missing $program: build it with make screenshots" >&2
  exit 1
fi
mkdir -p "$out"
runtime="$(mktemp -d)"
chmod 700 "$runtime"
doubled="$(mktemp -d)"
trap 'rm -rf "$runtime" "$doubled"' EXIT
shoot() {
  XDG_RUNTIME_DIR="$runtime" ASAN_OPTIONS="detect_leaks=0" QT_LOGGING_RULES="qt.multimedia*=false" \
    xvfb-run -a -s "-screen 0 2560x1600x24" "$program" "$1"
}
shoot "$out"
QT_SCALE_FACTOR=2 shoot "$doubled"
for picture in "$doubled"/*.png; do
  mv "$picture" "$out/$(basename "${picture%.png}")-2x.png"
done
echo "renamed the pictures at scale 2 to $out/*-2x.png"

# The same windows under a window manager (openbox), read back from the screen
# with their frames and titles, in $out/framed: a first start's placement, and
# whether each title fits its frame.
framed() {
  XDG_RUNTIME_DIR="$runtime" ASAN_OPTIONS="detect_leaks=0" QT_LOGGING_RULES="qt.multimedia*=false" \
    xvfb-run -a -s "-screen 0 2560x1600x24" sh -c '
      openbox >/dev/null 2>&1 &
      for i in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
      done
      exec "$0" --framed "$1"' "$program" "$1"
}
framed "$out/framed"
rm -rf "$doubled" && mkdir -p "$doubled"
QT_SCALE_FACTOR=2 framed "$doubled"
for picture in "$doubled"/*.png; do
  mv "$picture" "$out/framed/$(basename "${picture%.png}")-2x.png"
done
echo "wrote the framed pictures to $out/framed"

# The web client in Debian's headless Chromium, driven by Selenium.
if [ -x /usr/bin/chromium ] && [ -x /usr/bin/chromedriver ] \
  && /usr/bin/python3 -c "import selenium" 2>/dev/null; then
  /usr/bin/python3 "$root/tools/web-screenshots.py" "$build" "$out"
else
  echo "the web client needs chromium, chromium-driver and python3-selenium (tools/install-deps.sh)" >&2
  exit 1
fi
