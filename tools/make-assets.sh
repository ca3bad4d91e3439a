#!/usr/bin/env bash
# Regenerates every picture and sound of the game into resources/pictures and
# resources/sounds (and the desktop icons into packaging/icons), then checks the
# result against resources/MANIFEST.md.
#
#   tools/make-assets.sh          build the drawing program, regenerate, check
#   tools/make-assets.sh --check  only check the files that are there
#
# Needs the packages of `tools/install-deps.sh --tools` (sox, espeak-ng, imagemagick)
# besides the normal build tools. The output is the same on every run.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
resources=$root/resources
manifest=$resources/MANIFEST.md
build=$root/build/assets-tools

readonly SOUND_RATE=22050
readonly SOUND_BITS=16
readonly SOUND_CHANNELS=1
readonly MAX_SOUND_SECONDS=1.5
readonly MAX_CROWD_SECONDS=2.1        # applause and cheer
readonly MAX_SOUND_BYTES=$((1536 * 1024))

need() {
  command -v "$1" >/dev/null || { echo "make-assets: '$1' is missing (run tools/install-deps.sh --tools)" >&2; exit 1; }
}

generate() {
  need cmake; need sox; need soxi; need espeak-ng
  cmake -S "$root/tools/make-art" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j"$(nproc)" >/dev/null

  # Globals, not locals: the EXIT trap runs after this function has returned.
  stage=$(mktemp -d)
  runtime=$(mktemp -d)
  chmod 700 "$runtime"
  trap 'rm -rf "$stage" "$runtime"' EXIT
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime "$build/lexiburst-make-art" "$stage"
  "$root/tools/make-sounds.sh" "$stage/sounds" >/dev/null

  rm -rf "$resources/pictures" "$resources/sounds" "$root/packaging/icons"
  mv "$stage/pictures" "$resources/pictures"
  mv "$stage/sounds" "$resources/sounds"
  # The desktop icons are installed, not compiled in.
  mv "$stage/icons" "$root/packaging/icons"
  echo "make-assets: wrote $(find "$resources/pictures" -type f | wc -l) pictures and" \
       "$(find "$resources/sounds" -type f | wc -l) sounds"
}

# Every manifest row names one or more `:/...` paths and, for pictures, their size
# (the first WxH in the row). Prints "path size" lines; size is "-" for sounds.
manifest_entries() {
  grep -E '^\| *`:/' "$manifest" | while IFS= read -r row; do
    local size
    size=$(printf '%s\n' "$row" | awk -F'|' '{ print $3 }' | grep -oE '[0-9]+x[0-9]+' | head -n1 || true)
    printf '%s\n' "$row" | awk -F'|' '{ print $2 }' | grep -oE '`:/[^`]+`' | tr -d '`' |
      while IFS= read -r path; do printf '%s %s\n' "${path#:/}" "${size:--}"; done
  done
}

check() {
  need identify; need soxi
  local failures=0 listed
  listed=$(mktemp)
  manifest_entries > "$listed"
  [ -s "$listed" ] || { echo "make-assets: no entries found in $manifest" >&2; exit 1; }

  while read -r path size; do
    local file=$resources/$path
    if [ ! -f "$file" ]; then
      echo "missing: $path"; failures=$((failures + 1)); continue
    fi
    case $path in
      pictures/*)
        local actual
        actual=$(identify -format '%wx%h' "$file[0]")
        if [ "$size" != "-" ] && [ "$actual" != "$size" ]; then
          echo "wrong size: $path is $actual, manifest says $size"; failures=$((failures + 1))
        fi
        # Every picture has a twin at twice the size for high-density screens.
        local twin=${file%.*}@2x.${file##*.}
        if [ ! -f "$twin" ]; then
          echo "missing: ${path%.*}@2x.${path##*.}"; failures=$((failures + 1))
        elif [ "$size" != "-" ] && [ "$(identify -format '%wx%h' "$twin[0]")" != "$((${size%x*} * 2))x$((${size#*x} * 2))" ]; then
          echo "wrong size: the twin of $path is not twice $size"; failures=$((failures + 1))
        fi
        ;;
      sounds/*)
        local rate bits channels seconds limit=$MAX_SOUND_SECONDS
        rate=$(soxi -r "$file"); bits=$(soxi -b "$file"); channels=$(soxi -c "$file"); seconds=$(soxi -D "$file")
        case $path in sounds/wave13.wav | sounds/wave17.wav) limit=$MAX_CROWD_SECONDS ;; esac
        if [ "$rate" != $SOUND_RATE ] || [ "$bits" != $SOUND_BITS ] || [ "$channels" != $SOUND_CHANNELS ]; then
          echo "wrong format: $path is ${rate} Hz ${bits}-bit ${channels} channel(s)"; failures=$((failures + 1))
        fi
        if awk -v s="$seconds" -v m="$limit" 'BEGIN { exit !(s > m) }'; then
          echo "too long: $path lasts $seconds s (limit $limit s)"; failures=$((failures + 1))
        fi
        ;;
    esac
  done < "$listed"

  # Nothing generated may be left out of the manifest (it would be shipped undocumented);
  # a picture's "@2x" twin is documented with it.
  while IFS= read -r file; do
    local path=${file#"$resources"/}
    path=${path/@2x./.}
    if ! awk -v p="$path" '$1 == p { found = 1 } END { exit !found }' "$listed"; then
      echo "not in manifest: $path"; failures=$((failures + 1))
    fi
  done < <(find "$resources/pictures" "$resources/sounds" -type f | sort)

  local sound_bytes
  sound_bytes=$(find "$resources/sounds" -type f -name '*.wav' -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')
  if [ "$sound_bytes" -gt $MAX_SOUND_BYTES ]; then
    echo "sounds too large: $sound_bytes bytes (limit $MAX_SOUND_BYTES)"; failures=$((failures + 1))
  fi
  rm -f "$listed"

  if [ $failures -gt 0 ]; then
    echo "make-assets: $failures problem(s) with the resources" >&2
    exit 1
  fi
  echo "make-assets: all $(grep -c . <(manifest_entries)) manifest entries present and well-formed" \
       "(sounds: $sound_bytes bytes)"
}

case ${1:-} in
  --check) check ;;
  "") generate; check ;;
  *) echo "usage: tools/make-assets.sh [--check]" >&2; exit 2 ;;
esac
