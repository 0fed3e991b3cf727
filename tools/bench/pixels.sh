#!/usr/bin/env bash
# Takes screenshots of the real program on a virtual display, so that two
# builds can be held against each other pixel by pixel:
#   tools/bench/pixels.sh TALVERN OUTDIR        the screenshots
#   tools/bench/pixels.sh --compare DIR1 DIR2   the differing pixels of each
#                                               and the box they lie in
# Three looks: 1x (a 1024 x 768 screen), 2x (QT_SCALE_FACTOR=2 on a 2048 x
# 1536 screen) and full screen (the window given the whole 1024 x 768
# screen, the cabinet scaled by 1.28).
# In each: the intro, the idle cabinet, the credits loaded, the settings
# dialog on its first and its view page, and the receipt. The idle
# cabinet shows the payment animation at whatever frame it has reached.
# SETTLE (default 5) is how long the first picture is waited for.
set -euo pipefail

if [ "${1:-}" = --compare ]; then
  a=$2 b=$3 status=0
  for f in "$a"/*.png; do
    n=$(basename "$f")
    if [ ! -f "$b/$n" ]; then echo "$n: missing in $b"; status=1; continue; fi
    d=$(compare -metric AE "$f" "$b/$n" null: 2>&1 || true)
    where=
    if [ "$d" != 0 ]; then
      # where they differ: the box around every differing pixel
      where=" in $(compare -lowlight-color black -highlight-color white "$f" "$b/$n" png:- 2>/dev/null |
        convert - -trim -format '%wx%h%O' info: 2>/dev/null || true)"
    fi
    echo "$n: $d$where"
    [ "$d" = 0 ] || status=1
  done
  exit $status
fi

if [ "${1:-}" = --inner ]; then
  bin=$2 prefix=$3 scale=$4 full=$5
  "$bin" >/dev/null 2>&1 &
  pid=$!
  trap 'kill $pid 2>/dev/null || true' EXIT
  wid=
  for _ in $(seq 1 150); do
    for w in $(xdotool search --onlyvisible --name '^Talvern$' 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      if [ "$WIDTH" -ge 800 ]; then wid=$w; break 2; fi
    done
    sleep 0.2
  done
  [ -n "$wid" ] || { echo "no cabinet window"; exit 1; }
  sleep "${SETTLE:-5}"  # a slow build paints its first picture late
  if [ "$full" = 1 ]; then
    # No window manager runs here to make the window full screen: it is
    # given the whole screen by hand, which scales the cabinet as full
    # screen does.
    xdotool windowmove "$wid" 0 0 windowsize "$wid" $(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
    sleep 2
  fi
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  # cabinet coordinates to the screen: the cabinet is scaled to fit, centred
  local_scale() { awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { s = w / 800; if (h / 600 < s) s = h / 600; print s }'; }
  s=$(local_scale)
  ox=$(awk -v w="$WIDTH" -v s="$s" 'BEGIN { printf "%d", (w - 800 * s) / 2 }')
  oy=$(awk -v h="$HEIGHT" -v s="$s" 'BEGIN { printf "%d", (h - 600 * s) / 2 }')
  click() {
    xdotool mousemove "$(awk -v x="$1" -v s="$s" -v o="$((X + ox))" 'BEGIN { printf "%d", o + x * s }')" \
      "$(awk -v y="$2" -v s="$s" -v o="$((Y + oy))" 'BEGIN { printf "%d", o + y * s }')" click 1
    sleep "${3:-1}"
  }
  # The payment animation runs while no credits are loaded: every shot
  # with it is taken at its first frame's moment would be luck, so the
  # pointer rests away from the buttons and the shots say which they are.
  xdotool mousemove 0 0
  import -window root "$prefix-intro.png"
  click 400 300
  xdotool mousemove 0 0; sleep 0.5
  import -window root "$prefix-idle.png"
  click 583 535            # ЗАРЯДИТЬ
  xdotool mousemove 0 0; sleep 0.5
  import -window root "$prefix-loaded.png"
  click 106 540 2          # НАСТРОЙКИ
  xdotool mousemove 0 0; sleep 0.5
  import -window root "$prefix-settings.png"
  dlg=$(xdotool search --onlyvisible --name '^Настройки$' | head -1)
  if [ -n "$dlg" ]; then
    eval "$(xdotool getwindowgeometry --shell "$dlg")"
    # the " Вид " tab: the second, right of "Настройки"
    xdotool mousemove $((X + 130 * ${scale%.*})) $((Y + 20 * ${scale%.*})) click 1
    sleep 1; xdotool mousemove 0 0; sleep 0.5
    import -window root "$prefix-settings-view.png"
    xdotool mousemove $((X + 360 * ${scale%.*})) $((Y + 514 * ${scale%.*})) click 1   # Ok
    sleep 1
  fi
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  click 219 539 2          # ИТОГ: the receipt
  xdotool mousemove 0 0; sleep 0.5
  import -window root "$prefix-receipt.png"
  exit 0
fi

bin=$(readlink -f "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
export QT_QPA_PLATFORM=xcb

# one look: NAME SCREEN SCALE FULLSCREEN
look() {
  local name=$1 screen=$2 scale=$3 full=$4
  local home
  home=$(mktemp -d)
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache \
    QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24 -noreset" "$0" --inner "$bin" "$out/$name" "$scale" "$full"
  rm -rf "$home"
}

look 1x 1024x768 1 0
look 2x 2048x1536 2 0
look full 1024x768 1 1
ls "$out"
