#!/usr/bin/env bash
# Makes the web client's pictures and sounds from the game's own (resources/):
# pictures as palette PNGs at 1x and 2x, sounds as Ogg Vorbis for browsers.
# Run it after tools/make-assets.sh changed the resources; the results are
# checked in under web/img and web/sounds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
src="$root/resources"
img="$root/web/img"
snd="$root/web/sounds"
command -v convert >/dev/null || { echo "needs imagemagick (tools/install-deps.sh --tools)" >&2; exit 1; }
command -v oggenc >/dev/null || { echo "needs vorbis-tools (tools/install-deps.sh --tools)" >&2; exit 1; }
rm -rf "$img" "$snd"
mkdir -p "$img/letters" "$img/smileys" "$snd"

# A palette of 256 colours keeps the alpha channel and a quarter of the bytes.
# The twice-sized twin is "name-2x.png": the host serves plain names only.
small() { convert "$1" -strip -colors 256 "PNG8:$2" 2>/dev/null || convert "$1" -strip "$2"; }
pair() { # source name without extension, target name without extension
  small "$src/pictures/$1.png" "$img/$2.png"
  small "$src/pictures/$1@2x.png" "$img/$2-2x.png"
}
for p in eyes logo logo_small icon; do pair "$p" "$p"; done
for p in accept decline favourite; do pair "vote/$p" "$p"; done
for p in box_on box_off; do pair "gamestart/$p" "$p"; done
for n in 1 2 3 4 5 6 7 8 9; do pair "buttons/phrase$n" "phrase$n"; done
pair buttons/sounds sounds
pair buttons/smileys smileys
for n in $(seq 0 16); do pair "smileys/$n" "smileys/$n"; done
for f in "$src"/pictures/letters/*.png; do
  b="$(basename "$f" .png)"
  case "$b" in *@2x) ;; *) pair "letters/$b" "letters/$b" ;; esac
done
# The background tile as a PNG of 64 colours: every browser and server knows the type.
convert "$src/pictures/background.jpg" -strip -colors 64 "PNG8:$img/background.png"
convert "$src/pictures/background@2x.jpg" -strip -colors 64 "PNG8:$img/background-2x.png"

for f in "$src"/sounds/*.wav; do
  oggenc -Q -q 1 --serial 1 -o "$snd/$(basename "$f" .wav).ogg" "$f"
done
du -sb "$img" "$snd"
