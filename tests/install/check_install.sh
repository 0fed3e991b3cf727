#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the program, its
# companion, the help page and the desktop files land where a desktop looks.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
missing=0
for f in bin/talvern bin/talvern-odds share/talvern/help/index.html lib/talvern/decks/deckset5.so \
         "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png" \
         "share/icons/hicolor/256x256/apps/$id.png"; do
  if [ ! -e "$prefix/$f" ]; then echo "missing after install: $f"; missing=1; fi
done
[ $missing -eq 0 ]
"$prefix/bin/talvern-odds" classify joker drawn 1 14 0 27 40 | grep -q '^class=p '
echo "install tree complete"
