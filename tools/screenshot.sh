#!/usr/bin/env bash
# Renders the main window (a solo game after a few chat lines, then a whole game
# over loopback: entry, voting, results, winner), the spy list, the game start
# window and the other side windows to PNG files under a virtual X display.
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
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" ASAN_OPTIONS="detect_leaks=0" QT_LOGGING_RULES="qt.multimedia*=false" \
  xvfb-run -a -s "-screen 0 1280x800x24" "$program" "$out"
