#!/usr/bin/env bash
# The titles the window system shows for the machine's windows, read from
# the X server (WM_NAME and _NET_WM_NAME) while the real program runs on a
# virtual display: the start-up boxes on a screen too small and one with too
# few colours, then the cabinet, the settings dialog and the history viewer,
# whose title bar carries no text at all.
set -euo pipefail
bin=$1
screen=${2:-}
if [ -z "$screen" ]; then
  status=0
  for s in small depth cabinet; do
    case $s in
    small) geometry=1024x500x24 ;;
    depth) geometry=1024x768x8 ;;
    cabinet) geometry=1024x768x24 ;;
    esac
    xvfb-run -a -s "-screen 0 $geometry" "$0" "$bin" "$s" || status=1
  done
  if [ $status -eq 0 ]; then echo "window titles: as the machine gives them"; fi
  exit $status
fi

export QT_QPA_PLATFORM=xcb
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
"$bin" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$home"' EXIT

fail() { echo "window titles ($screen): $*"; exit 1; }
# The visible window whose name is exactly $1.
find_named() {
  local w
  for _ in $(seq 1 100); do
    for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do echo "$w"; return 0; done
    sleep 0.1
  done
  return 1
}
# Both names the server keeps for window $1 must read exactly $2.
expect_names() {
  local prop got want
  for prop in WM_NAME _NET_WM_NAME; do
    got=$(xprop -id "$1" -notype "$prop" 2>/dev/null)
    # (xprop prints an empty name without quotes)
    if [ -n "$2" ]; then want="$prop = \"$2\""; else want="$prop = "; fi
    [ "$got" = "$want" ] || fail "$prop is <$got>, not \"$2\""
  done
}

case $screen in
small | depth)
  [ "$screen" = small ] && title="Измените разрешение экрана" || title="Измените цветовое разрешение"
  box=$(find_named "$title") || fail "no box titled \"$title\""
  expect_names "$box" "$title"
  xdotool windowfocus "$box" key Return 2>/dev/null || true
  for _ in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then fail "the program did not end after the box"; fi
  if wait $pid; then fail "the program ended well on an unusable display"; fi
  ;;
cabinet)
  main=$(find_named Talvern) || fail "no cabinet window named Talvern"
  expect_names "$main" Talvern
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + 400)) $((Y + 300)) click 1   # the intro picture
  sleep 0.5
  xdotool mousemove $((X + 106)) $((Y + 540)) click 1   # НАСТРОЙКИ
  dialog=$(find_named Настройки) || fail "no settings dialog named Настройки"
  expect_names "$dialog" Настройки
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  # "история" on the first page, in its lower right panel
  xdotool mousemove $((X + 592)) $((Y + 404)) click 1
  viewer=
  for _ in $(seq 1 100); do
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
      if [ "$WIDTH" = 387 ] && [ "$HEIGHT" = 330 ]; then viewer=$w; break 2; fi
    done
    sleep 0.1
  done
  [ -n "$viewer" ] || fail "no history viewer"
  expect_names "$viewer" ""
  ;;
esac
exit 0
