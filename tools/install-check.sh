#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR, at the prefix the build was
# configured for, and checks what a user gets: the programs answer --version
# and --help from there, every installed file is in place, the service starts
# the installed host with the installed settings file, the menu entry and the
# AppStream metadata pass the Debian tools, and the uninstall target leaves
# nothing behind.
#   tools/install-check.sh BUILD-FOLDER
set -euo pipefail
build="$1"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
DESTDIR="$dest" cmake --install "$build" >/dev/null
usr="$dest$prefix"
fail() { echo "$*" >&2; exit 1; }

"$usr/games/lexiburst-host" --version | grep -qx "lexiburst-host 1.0.4"
"$usr/games/lexiburst-tally" --help | grep -q "^usage: lexiburst-tally"
"$usr/games/lexiburst" --version | grep -qx "lexiburst 1.0.4"
"$usr/games/lexiburst-bot" --help | grep -q "^Usage: lexiburst-bot"

for file in games/lexiburst games/lexiburst-host games/lexiburst-bot games/lexiburst-tally \
  share/man/man6/lexiburst.6.gz share/man/man6/lexiburst-host.6.gz share/man/man6/lexiburst-bot.6.gz \
  share/man/man1/lexiburst-tally.1.gz lib/systemd/system/lexiburst-host.service \
  share/icons/hicolor/scalable/apps/lexiburst.svg share/doc/lexiburst/copyright \
  share/doc/lexiburst-server/copyright; do
  [ -e "$usr/$file" ] || fail "missing: $prefix/$file"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -e "$usr/share/icons/hicolor/${size}x${size}/apps/lexiburst.png" ] ||
    fail "missing: the ${size}x${size} icon"
done

# The unit starts the program just installed and reads the installed settings file.
unit="$usr/lib/systemd/system/lexiburst-host.service"
start=$(sed -n 's/^ExecStart=\([^ ]*\).*/\1/p' "$unit")
[ "$start" = "$prefix/games/lexiburst-host" ] || fail "ExecStart names $start"
settings=$(sed -n 's/^EnvironmentFile=-//p' "$unit")
[ -f "$dest$settings" ] || fail "the unit reads $settings, which is not installed"

desktop-file-validate "$usr"/share/applications/*.desktop
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml

DESTDIR="$dest" cmake --build "$build" --target uninstall >/dev/null
left=$(find "$dest" -type f -o -type l)
[ -z "$left" ] || fail "left after uninstall: $left"
echo "installed, checked and uninstalled in $dest"
