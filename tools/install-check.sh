#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR and checks what a user gets: the
# programs answer --version and --help from there, every installed file is in
# place, and the menu entry and the AppStream metadata pass the Debian tools.
#   tools/install-check.sh BUILD-FOLDER
set -euo pipefail
build="$1"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
usr="$dest/usr"

"$usr/games/lexiburst-host" --version | grep -qx "lexiburst-host 1.0.4"
"$usr/games/lexiburst-tally" --help | grep -q "^usage: lexiburst-tally"
"$usr/games/lexiburst" --version | grep -qx "lexiburst 1.0.4"
"$usr/games/lexiburst-bot" --help | grep -q "^Usage: lexiburst-bot"

for file in games/lexiburst games/lexiburst-host games/lexiburst-bot games/lexiburst-tally \
  share/man/man6/lexiburst.6.gz share/man/man6/lexiburst-host.6.gz share/man/man6/lexiburst-bot.6.gz \
  share/man/man1/lexiburst-tally.1.gz lib/systemd/system/lexiburst-host.service \
  share/icons/hicolor/scalable/apps/lexiburst.svg share/doc/lexiburst/copyright; do
  [ -e "$usr/$file" ] || { echo "missing: /usr/$file" >&2; exit 1; }
done
for size in 48 64 128 256; do
  [ -e "$usr/share/icons/hicolor/${size}x${size}/apps/lexiburst.png" ] ||
    { echo "missing: the ${size}x${size} icon" >&2; exit 1; }
done

desktop-file-validate "$usr"/share/applications/*.desktop
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml
echo "installed and checked in $dest"
