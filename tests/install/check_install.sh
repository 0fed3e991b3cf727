#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the programs,
# the help page, the manual pages, the package's papers and the desktop
# files land where a desktop, man and Debian look, and that the information
# page's web view and the sound effects are plugins where the program looks
# for them, while the program itself links neither the web engine nor Qt
# Multimedia.
set -euo pipefail

if [ "${1:-}" = --show-info-page ]; then
  # On a virtual display: the installed program, which loads its sound
  # plugin once the cabinet is drawn; its settings dialog, the information
  # page; then whether the program has the web plugin loaded.
  bin=$2 plugin=$3 sound=$4
  home=$(mktemp -d)
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share QT_QPA_PLATFORM=xcb \
    "$bin" >/dev/null 2>&1 &
  pid=$!
  trap 'kill $pid 2>/dev/null || true; rm -rf "$home"' EXIT
  window() {
    for _ in $(seq 1 100); do
      w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
      [ -n "$w" ] && { eval "$(xdotool getwindowgeometry --shell "$w")"; return 0; }
      sleep 0.2
    done
    echo "no window $1"; exit 1
  }
  window '^Talvern$'
  sleep 1
  grep -qF "$sound" "/proc/$pid/maps" || { echo "the installed program did not load $sound"; exit 1; }
  xdotool mousemove $((X + 400)) $((Y + 300)) click 1; sleep 0.5     # the intro
  xdotool mousemove $((X + 106)) $((Y + 540)) click 1                 # НАСТРОЙКИ
  window '^Настройки$'
  sleep 0.5
  xdotool mousemove $((X + 586)) $((Y + 20)) click 1                  # "Игра на Интерес"
  for _ in $(seq 1 100); do
    grep -qF "$plugin" "/proc/$pid/maps" && exit 0
    sleep 0.2
  done
  echo "the installed program did not load $plugin"
  exit 1
fi

build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
missing=0
for f in games/talvern games/talvern-odds share/talvern/help/index.html lib/talvern/decks/deckset5.so \
         lib/talvern/plugins/talvern-infoweb.so lib/talvern/plugins/talvern-sound.so \
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
program_libs=$(ldd "$prefix/games/talvern")
plugin_libs=$(ldd "$prefix/lib/talvern/plugins/talvern-infoweb.so")
if grep -q WebEngine <<<"$program_libs"; then echo "the program links the web engine"; exit 1; fi
if grep -q 'not found' <<<"$plugin_libs"; then
  echo "the web plugin misses libraries:"; grep 'not found' <<<"$plugin_libs"; exit 1
fi
grep -q WebEngineWidgets <<<"$plugin_libs" || { echo "the web plugin has no web engine"; exit 1; }
# The sound effects likewise: Qt Multimedia only in their plugin.
sound_libs=$(ldd "$prefix/lib/talvern/plugins/talvern-sound.so")
if grep -q Multimedia <<<"$program_libs"; then echo "the program links Qt Multimedia"; exit 1; fi
if grep -q 'not found' <<<"$sound_libs"; then
  echo "the sound plugin misses libraries:"; grep 'not found' <<<"$sound_libs"; exit 1
fi
grep -q Multimedia <<<"$sound_libs" || { echo "the sound plugin has no Qt Multimedia"; exit 1; }
# ... and the installed program finds it (not the build tree's), where a
# virtual display can show it the page.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" --show-info-page "$prefix/games/talvern" \
    "$(readlink -f "$prefix/lib/talvern/plugins/talvern-infoweb.so")" \
    "$(readlink -f "$prefix/lib/talvern/plugins/talvern-sound.so")"
else
  echo "no xvfb-run or xdotool: the plugin was not seen loading"
fi
echo "install tree complete"
