#!/usr/bin/env bash
# Builds the two Debian packages from a build folder and checks them as a
# reviewer would: each holds its own files only and needs not the other, the
# server's dependencies (resolved by apt as on a fresh machine) hold no GUI
# library, the settings file is a conffile, and in a scratch root the server
# package installs without enabling its service, can be enabled with
# systemctl, and leaves nothing behind when purged.
#   tools/package-check.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package-check: $*" >&2; exit 1; }
as_root=""
[ "$(id -u)" -eq 0 ] || as_root=fakeroot

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
game=$(echo "$work"/out/lexiburst_*.deb)
server=$(echo "$work"/out/lexiburst-server_*.deb)
[ -f "$game" ] && [ -f "$server" ] || fail "expected lexiburst and lexiburst-server packages"

contents() { dpkg-deb -c "$1" | awk '{ print $6 }' | sed 's|^\./|/|'; }
contents "$game" >"$work/game"
contents "$server" >"$work/server"
for file in /usr/games/lexiburst /usr/games/lexiburst-tally \
  /usr/share/applications/io.github.lexiburst.Lexiburst.desktop /usr/share/doc/lexiburst/copyright; do
  grep -qx "$file" "$work/game" || fail "lexiburst lacks $file"
done
for file in /usr/games/lexiburst-host /usr/games/lexiburst-bot /etc/default/lexiburst-host \
  /usr/lib/systemd/system/lexiburst-host.service /usr/share/doc/lexiburst-server/copyright; do
  grep -qx "$file" "$work/server" || fail "lexiburst-server lacks $file"
done
shared=$(comm -12 <(grep -v '/$' "$work/game" | sort) <(grep -v '/$' "$work/server" | sort))
[ -z "$shared" ] || fail "files in both packages: $shared"

field() { dpkg-deb -f "$1" "$2"; }
for deb in "$game" "$server"; do
  if field "$deb" Depends | grep -qE '(^|, )lexiburst'; then fail "$(basename "$deb") depends on the other"; fi
done
dpkg-deb -e "$server" "$work/control"
grep -qx /etc/default/lexiburst-host "$work/control/conffiles" || fail "the settings file is no conffile"
for script in postinst prerm postrm; do sh -n "$work/control/$script" || fail "$script"; done

# What apt pulls in for the server on a machine that has nothing installed.
gui='^(libqt6(gui|widgets|multimedia|opengl|svg)|libx11-|libxcb|libgl1|libegl|libwayland|libpulse|libasound|libgstreamer)'
apt-get install -s -o Dir::State::status=/dev/null -o Debug::NoLocking=1 "$server" 2>/dev/null |
  awk '/^Inst /{ print $2 }' >"$work/closure"
[ -s "$work/closure" ] || fail "apt resolved no dependencies for the server package"
if grep -E "$gui" "$work/closure"; then fail "the server package pulls in GUI libraries (above)"; fi

# Install, enable and purge in a scratch root.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
dpkg_root() {
  $as_root dpkg --root="$root" --force-script-chrootless --force-depends --log=/dev/null "$@" \
    >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg $*"; }
}
dpkg_root -i "$server"
wants="$root/etc/systemd/system/multi-user.target.wants/lexiburst-host.service"
[ ! -e "$wants" ] && [ ! -L "$wants" ] || fail "installing enabled the service"
systemctl --root="$root" enable lexiburst-host.service >/dev/null 2>&1
[ -L "$wants" ] || fail "systemctl could not enable the service"
dpkg_root --purge lexiburst-server
left=$(cd "$root" && find . -mindepth 1 \( -type f -o -type l \) ! -path './var/lib/dpkg/*')
[ -z "$left" ] || fail "left after purge: $left"
echo "package-check: lexiburst and lexiburst-server pass ($(wc -l <"$work/closure") packages for the server)"
