#!/usr/bin/env bash
# The programs' own options, run as a terminal user would: with no display
# at all, so an answer that needed a window would fail here.
#   command_line.sh TALVERN TALVERN_ODDS VERSION
set -euo pipefail
talvern=$1
odds=$2
version=$3
failed=0
fail() { echo "$*"; failed=1; }
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE QT_QPA_PLATFORM=xcb "$@"; }

for option in --version -v -version; do
  out=$(bare LC_ALL=C.UTF-8 "$talvern" "$option" 2>&1) || fail "talvern $option fails: $out"
  [ "$out" = "talvern $version" ] || fail "talvern $option says '$out'"
done
out=$(bare LC_ALL=C.UTF-8 "$talvern" --help 2>&1) || fail "talvern --help fails: $out"
for want in 'Usage: ' '-h, --help' '-v, --version' 'the game starts' 'man 6 talvern'; do
  [[ $out == *"$want"* ]] || fail "talvern --help lacks '$want': $out"
done
out=$(bare LC_ALL=ru_RU.UTF-8 "$talvern" -h 2>&1) || fail "talvern -h in Russian fails: $out"
for want in '-v, --version' 'Показать версию и выйти' 'запускается игра'; do
  [[ $out == *"$want"* ]] || fail "talvern -h in Russian lacks '$want': $out"
done
# The version wins, as in Qt's programs; options of no one are left alone.
out=$(bare LC_ALL=C.UTF-8 "$talvern" --no-such-option --help --version 2>&1) || fail "talvern with an unknown option fails: $out"
[ "$out" = "talvern $version" ] || fail "talvern --no-such-option --help --version says '$out'"

out=$("$odds" --version 2>&1) || fail "talvern-odds --version fails: $out"
[ "$out" = "talvern-odds $version" ] || fail "talvern-odds --version says '$out'"

[ $failed -eq 0 ] && echo "talvern and talvern-odds answer --help and --version with no display"
exit $failed
