#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the programs,
# the help page, the manual pages, the package's papers and the desktop
# files land where a desktop, man and Debian look.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
missing=0
for f in games/talvern games/talvern-odds share/talvern/help/index.html lib/talvern/decks/deckset5.so \
         "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png" \
         "share/icons/hicolor/256x256/apps/$id.png" \
         share/man/man6/talvern.6.gz share/man/man6/talvern-odds.6.gz \
         share/man/ru/man6/talvern.6.gz share/man/ru/man6/talvern-odds.6.gz \
         share/doc/talvern/changelog.gz share/doc/talvern/copyright; do
  if [ ! -e "$prefix/$f" ]; then echo "missing after install: $f"; missing=1; fi
done
[ $missing -eq 0 ]
"$prefix/games/talvern-odds" classify joker drawn 1 14 0 27 40 | grep -q '^class=p '

# The entry starts the installed program by its full path.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")
[ "$exec_line" = "$prefix/games/talvern" ] || { echo "the desktop entry runs '$exec_line'"; exit 1; }
desktop-file-validate "$prefix/share/applications/$id.desktop"

# Manual pages and changelog as gzip -9n makes them: the header's flags
# carry no file name (byte 3), no time (bytes 4..7) and best compression (8).
for page in "$prefix"/share/man/man6/*.6.gz "$prefix"/share/man/ru/man6/*.6.gz "$prefix/share/doc/talvern/changelog.gz"; do
  header=$(od -An -tu1 -N9 "$page" | tr -s ' ')
  [ "$header" = " 31 139 8 0 0 0 0 0 2" ] || { echo "not gzip -9n: $page ($header)"; exit 1; }
done
for lang in "" ru/; do
  for program in talvern talvern-odds; do
    zcat "$prefix/share/man/${lang}man6/$program.6.gz" | grep -q "^\.TH \"$program\" \"6\"" ||
      { echo "${lang}man6/$program.6.gz is not the page of $program(6)"; exit 1; }
  done
done
echo "install tree complete"
