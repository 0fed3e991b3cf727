#!/usr/bin/env bash
# Starts the real program under Xvfb, loads credits, deals and draws by
# clicking, and checks it is still running and answering.
#   cabinet_smoke.sh PROGRAM [SCREENSHOT [ARGUMENTS...]]   ARGUMENTS go to the program
set -euo pipefail
bin=$1
out=${2:-}
arguments=("${@:3}")
if [ -z "${TALVERN_SMOKE_INNER:-}" ]; then
  export TALVERN_SMOKE_INNER=1
  # -noreset: the server would reset when its last client leaves and
  # refuse the connections that come meanwhile
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
# the real program on the real (virtual) display, whatever the test run set
export QT_QPA_PLATFORM=xcb
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
"$bin" "${arguments[@]}" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$home"' EXIT
wid=
for _ in $(seq 1 150); do
  for w in $(xdotool search --onlyvisible --name Talvern 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" -ge 800 ]; then wid=$w; break 2; fi
  done
  sleep 0.2
done
[ -n "$wid" ] || { echo "no cabinet window"; exit 1; }
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep "${3:-0.4}"; }
click 400 300        # the intro picture
click 583 535        # ЗАРЯДИТЬ
click 409 549 2.5    # раздать: the first deal
click 128 400        # toggle the first card's hold
click 409 549 2.5    # раздать: the draw
[ -n "$out" ] && import -window "$wid" "$out"
kill -0 $pid || { echo "the program died"; exit 1; }
xdotool getwindowname "$wid" >/dev/null
echo "cabinet smoke test: running after a whole game"
