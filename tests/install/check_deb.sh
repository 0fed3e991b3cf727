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

# Debian's own checker on this system: no error and no warning. Its
# informational notes are printed and may stay.
command -v lintian >/dev/null || { echo "lintian is missing (tools/install-deps.sh installs it)"; exit 1; }
status=0
report=$(lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" 2>&1) || status=$?
printf '%s\n' "$report" | grep -v -e 'running with root privileges' -e '^$' || true
[ $status -eq 0 ] || { echo "lintian finds errors or warnings in the package"; exit 1; }
echo "lintian: no error, no warning"
dest=/tmp/$(basename "$deb")
if [ -n "$root" ]; then cp "$deb" "$root$dest"; else cp "$deb" "$dest"; fi
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$dest" >/tmp/talvern-deb-install.log 2>&1 ||
  { tail -20 /tmp/talvern-deb-install.log; echo "the package does not install"; exit 1; }
in_root dpkg -s talvern | grep -q '^Status: install ok installed' || { echo "talvern is not installed"; exit 1; }

# What the desktop finds: the games, the entry, its icon, the metadata, the
# help page; and the package's papers.
for f in /usr/games/talvern /usr/games/talvern-odds \
         "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
         "/usr/share/icons/hicolor/scalable/apps/$id.svg" /usr/share/talvern/help/index.html \
         /usr/lib/talvern/decks/deckset5.so /usr/share/doc/talvern/copyright; do
  in_root test -f "$f" || { echo "not installed: $f"; exit 1; }
done
command=$(in_root sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop" | head -1)
command=${command%% *}
program=$(in_root sh -c "command -v $command") || { echo "the entry's command $command cannot be run"; exit 1; }
in_root /usr/games/talvern-odds classify joker drawn 1 14 0 27 40 | grep -q '^class=p ' || { echo "talvern-odds does not answer"; exit 1; }
version=$(in_root dpkg-query -W -f='${Version}' talvern)
for p in talvern talvern-odds; do
  # On a terminal with no display at all.
  answer=$(in_root env -u DISPLAY -u WAYLAND_DISPLAY "/usr/games/$p" --version) || { echo "$p --version fails"; exit 1; }
  [ "$answer" = "$p $version" ] || { echo "$p --version says '$answer', the package is $version"; exit 1; }
done
in_root env -u DISPLAY -u WAYLAND_DISPLAY /usr/games/talvern --help | grep -q -- '--version' || { echo "talvern --help fails"; exit 1; }

# man finds the pages, in English and in Russian. Systems whose dpkg is told
# to leave manual pages out (slim container images) are told so instead.
if in_root sh -c 'cat /etc/dpkg/dpkg.cfg.d/* 2>/dev/null' | grep -q '^path-exclude=* */usr/share/man/'; then
  echo "dpkg on this system leaves manual pages out: not looked at"
elif ! in_root sh -c 'command -v man' >/dev/null; then
  echo "no man on this system: the pages are only looked for"
  for f in /usr/share/man/man6/talvern.6.gz /usr/share/man/man6/talvern-odds.6.gz \
           /usr/share/man/ru/man6/talvern.6.gz /usr/share/man/ru/man6/talvern-odds.6.gz; do
    in_root test -f "$f" || { echo "not installed: $f"; exit 1; }
  done
else
  manual() { in_root env LC_ALL=C.UTF-8 MANPAGER=cat MANWIDTH=80 man "$@" 2>/dev/null; }
  manual 6 talvern | grep -q '^ *talvern - video poker machine' || { echo "man 6 talvern shows no page"; exit 1; }
  manual 6 talvern-odds | grep -q '^ *talvern-odds - the rules and exact odds' || { echo "man 6 talvern-odds shows no page"; exit 1; }
  manual -L ru 6 talvern | grep -q '^ *talvern - игровой автомат видеопокер' || { echo "man -L ru 6 talvern shows no Russian page"; exit 1; }
  manual -L ru 6 talvern-odds | grep -q '^ *talvern-odds - правила и точные шансы' || { echo "man -L ru 6 talvern-odds shows no Russian page"; exit 1; }
  echo "man shows talvern(6) and talvern-odds(6) in English and Russian"
fi

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
