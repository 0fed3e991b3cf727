#!/usr/bin/env bash
# Builds the Debian package, installs it with apt (which brings in all it
# depends on), and starts the installed game the way its desktop entry does,
# on a virtual display, for a whole game. This changes the system it runs on:
# CI runs it on its own fresh machine (tools/test.sh with TALVERN_CHECK_DEB=1).
#   check_deb.sh BUILD_DIR [ROOT]   ROOT: install into a chroot of a fresh system instead
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
root=${2:-}
id=example.ostrel.Talvern
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
in_root() { if [ -n "$root" ]; then as_root chroot "$root" "$@"; else "$@"; fi; }

rm -f "$build"/talvern_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/talvern_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dest=/tmp/$(basename "$deb")
if [ -n "$root" ]; then cp "$deb" "$root$dest"; else cp "$deb" "$dest"; fi
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$dest" >/tmp/talvern-deb-install.log 2>&1 ||
  { tail -20 /tmp/talvern-deb-install.log; echo "the package does not install"; exit 1; }
in_root dpkg -s talvern | grep -q '^Status: install ok installed' || { echo "talvern is not installed"; exit 1; }

# What the desktop finds: the entry, its icon, the metadata, the help page.
for f in "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
         "/usr/share/icons/hicolor/scalable/apps/$id.svg" /usr/share/talvern/help/index.html \
         /usr/lib/talvern/decks/deckset5.so; do
  in_root test -f "$f" || { echo "not installed: $f"; exit 1; }
done
command=$(in_root sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop" | head -1)
command=${command%% *}
program=$(in_root sh -c "command -v $command") || { echo "the entry's command $command is not on the PATH"; exit 1; }
in_root talvern-odds classify joker drawn 1 14 0 27 40 | grep -q '^class=p ' || { echo "talvern-odds does not answer"; exit 1; }

# The installed game plays a whole game on a virtual display.
if [ -n "$root" ]; then
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    xvfb xauth xdotool imagemagick x11-utils >/dev/null
  cp "$here/../smoke/cabinet_smoke.sh" "$root/tmp/cabinet_smoke.sh"
  as_root mount --bind /proc "$root/proc"
  trap 'as_root umount "$root/proc" || true' EXIT
  in_root /tmp/cabinet_smoke.sh "$program"
else
  "$here/../smoke/cabinet_smoke.sh" "$program"
fi
echo "the package installs and the installed game ($program) plays"
