#!/usr/bin/env bash
# The light-machine benchmark: the real program beside a bare Qt Widgets
# window, both started and measured the same way on the same virtual display
# in the same run. Prints, for each figure, the median of several runs, the
# bare window's figure, their ratio and the target.
#
#   tools/bench/light.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR (default build) must hold talvern, talvern-bench-reference,
# talvern-bench-jackpot and talvern-xprobe; TALVERN_BIN and
# TALVERN_JACKPOT_BIN name other builds of the two machine programs (to
# measure an older build the same way). REST_SECONDS (default 10) is how long
# the CPU at rest is watched. Each run has a fresh home folder, so the
# machine starts as on its first day, then once more with what the first
# start left in the user's cache.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inner ]; then
  build=$(cd "${1:-$here/../../build}" && pwd)
  runs=${2:-3}
  export TALVERN_BIN=${TALVERN_BIN:-$build/mainwindow/talvern}
  export TALVERN_JACKPOT_BIN=${TALVERN_JACKPOT_BIN:-$build/tools/bench/talvern-bench-jackpot}
  export REFERENCE_BIN=$build/tools/bench/talvern-bench-reference
  export XPROBE=$build/tools/bench/talvern-xprobe
  for f in "$TALVERN_BIN" "$TALVERN_JACKPOT_BIN" "$REFERENCE_BIN" "$XPROBE"; do
    [ -x "$f" ] || { echo "light.sh: $f is missing (build the tools/bench targets)"; exit 1; }
  done
  # A desktop session has its session bus. Without one, the first widget
  # that speaks to the accessibility bridge has libdbus try to start a bus
  # (a fork of the whole program, costing more the larger it is): a cost no
  # player at a desktop pays, so both programs run inside a bus of their own.
  session=
  if command -v dbus-run-session >/dev/null; then session=dbus-run-session
  else echo "light.sh: no dbus-run-session (package dbus-daemon); measuring without a session bus" >&2; fi
  results=$(mktemp)
  trap 'rm -f "$results"' EXIT
  for run in $(seq 1 "$runs"); do
    echo "run $run of $runs ..." >&2
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" $session "$0" --inner >> "$results"
  done
  # figure key:label:target, then the medians of the runs beside the bare window's
  awk -v runs="$runs" '
    function median(list,   n, a, i, j, t) {
      n = split(list, a, " ")
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
      if (n == 0) return "-"
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    $1 == "figure" { v[$2 " " $3] = v[$2 " " $3] " " $4; next }
    END {
      n = split("start:first mapped window, first start (ms):1.5x bare|" \
                "warmstart:first mapped window, later start (ms):1.5x bare|" \
                "startcpu:main thread CPU until mapped (ms):-|" \
                "painted:first picture drawn, first start (ms):-|" \
                "warmpainted:first picture drawn, later start (ms):-|" \
                "memory:memory before the information page (MB RSS, tree):80|" \
                "pss:memory before the information page (MB PSS, tree):-|" \
                "memoryweb:memory after the information page (MB RSS, tree):-|" \
                "cpuintro:CPU at rest, first screen (% of a core):1|" \
                "cpuidle:CPU at rest, idle cabinet (% of a core):1|" \
                "areaintro:repainted at rest, first screen (pixels/s):-|" \
                "areaidle:repainted at rest, idle cabinet (pixels/s):-|" \
                "jackpot:Jack Pot payout of 10000 (ms):3000|" \
                "settings:settings dialog shown, first start (ms):100|" \
                "warmsettings:settings dialog shown, later start (ms):100|" \
                "receipt:receipt shown, first start (ms):100|" \
                "warmreceipt:receipt shown, later start (ms):100|" \
                "history:history viewer shown (ms):100|" \
                "info:information page shown after the click (ms):1500", rows, "|")
      printf "%-56s %9s %9s %7s %11s\n", "figure (median of " runs " runs)", "Talvern", "bare Qt", "ratio", "target"
      for (i = 1; i <= n; i++) {
        split(rows[i], r, ":")
        t = median(v["talvern " r[1]]); b = median(v["reference " r[1]])
        ratio = (b != "-" && t != "-" && b + 0 > 0) ? sprintf("%.2f", t / b) : "-"
        printf "%-56s %9s %9s %7s %11s\n", r[2], t, b, ratio, r[3]
      }
    }' "$results"
  exit 0
fi

# --- one run, inside its own virtual display ---
export QT_QPA_PLATFORM=xcb
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache
export XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.5
  rm -rf "$home"
}
trap cleanup EXIT
rest=${REST_SECONDS:-10}
hz=$(getconf CLK_TCK)

figure() { echo "figure $1 $2 $3"; }
# every process of the tree under $1
tree() {
  local all=" $1 " changed=1
  while [ $changed = 1 ]; do
    changed=0
    for stat in /proc/[0-9]*/stat; do
      { read -r p _ _ pp _ < "$stat"; } 2>/dev/null || continue
      case "$all" in *" $pp "*) case "$all" in *" $p "*) ;; *) all="$all$p "; changed=1 ;; esac ;; esac
    done
  done
  echo $all
}
# memory of the whole tree in MB: "RSS PSS"
memory() {
  local rss=0 pss=0 p
  for p in $(tree "$1"); do
    read -r r s < <(awk '/^Rss:/ { r = $2 } /^Pss:/ { s = $2 } END { print r + 0, s + 0 }' "/proc/$p/smaps_rollup" 2>/dev/null || echo 0 0)
    rss=$((rss + r)) pss=$((pss + s))
  done
  awk -v r="$rss" -v s="$pss" 'BEGIN { printf "%.0f %.0f\n", r / 1024, s / 1024 }'
}
ticks() {
  local sum=0 p
  for p in $(tree "$1"); do
    sum=$((sum + $(awk '{ print $14 + $15 }' "/proc/$p/stat" 2>/dev/null || echo 0)))
  done
  echo $sum
}
# CPU of the tree over $rest seconds, in % of one core
cpu() {
  local a b
  a=$(ticks "$1"); sleep "$rest"; b=$(ticks "$1")
  awk -v a="$a" -v b="$b" -v hz="$hz" -v s="$rest" 'BEGIN { printf "%.1f\n", (b - a) * 100 / (hz * s) }'
}
start() {  # start NAME PROGRAM...: prints the pid, records the times
  local name=$1 out
  shift
  out=$("$XPROBE" start "$@" 2>/dev/null)
  set -- $out
  pids+=("$2")
  echo "$2 $4 $6 ${8:-0}"
}
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1}"; }
geometry() {  # the first visible window named $1: sets X Y WIDTH HEIGHT
  local w
  for _ in $(seq 1 100); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$w" ] && { eval "$(xdotool getwindowgeometry --shell "$w")"; return 0; }
    sleep 0.1
  done
  return 1
}
timed() { "$XPROBE" click "$@" | awk '{ print $NF }'; }  # the last figure: painted or shown

rest_figures() {  # NAME KEY PID: CPU and repainted area over the rest period
  "$XPROBE" watch "$rest" > "$home/watch" &
  local watcher=$!
  figure "$1" "cpu$2" "$(cpu "$3")"
  wait "$watcher"
  figure "$1" "area$2" "$(awk '{ print $4 }' "$home/watch")"
}

# The bare window: started, left alone, its dialog opened by a click.
read -r pid mapped painted used < <(start reference "$REFERENCE_BIN")
figure reference start "$mapped"
figure reference painted "$painted"
figure reference startcpu "$used"
sleep 3
read -r rss pss < <(memory "$pid")
figure reference memory "$rss"
figure reference pss "$pss"
rest_figures reference intro "$pid"
geometry '^Reference$'
ms=$(timed $((X + 400)) $((Y + 300)) window)
for f in settings warmsettings receipt warmreceipt history; do figure reference $f "$ms"; done
kill "$pid"; sleep 1
read -r pid mapped painted used < <(start reference "$REFERENCE_BIN")
figure reference warmstart "$mapped"
figure reference warmpainted "$painted"
sleep 3
rest_figures reference idle "$pid"
kill "$pid"; sleep 1
figure reference jackpot "$("$REFERENCE_BIN" --count 10000 2>/dev/null | awk '{ print $3 }')"
sleep 1  # the display has drawn the count before the machine's first start

# The machine: the same, then its own windows; first with an empty cache
# of pictures, as on its first day.
read -r pid mapped painted used < <(start talvern "$TALVERN_BIN")
figure talvern start "$mapped"
figure talvern painted "$painted"
figure talvern startcpu "$used"
sleep 3
read -r rss pss < <(memory "$pid")
figure talvern memory "$rss"
figure talvern pss "$pss"
rest_figures talvern intro "$pid"
geometry '^Talvern$'
cx=$X cy=$Y
click $((cx + 400)) $((cy + 300)) 3            # the intro goes: the idle cabinet
rest_figures talvern idle "$pid"
open_dialogs() {  # PREFIX: the settings dialog and the receipt, each timed from its click
  figure talvern "${1}settings" "$(timed $((cx + 106)) $((cy + 540)) window)"   # НАСТРОЙКИ
  sleep 1
  geometry '^Настройки$'
  dx=$X dy=$Y
  click $((dx + 360)) $((dy + 512))              # Ok
  figure talvern "${1}receipt" "$(timed $((cx + 219)) $((cy + 539)) window)"    # ИТОГ
  sleep 1
  click $((cx + 400)) $((cy + 300))              # a click closes the receipt
}
open_dialogs ""
click $((cx + 106)) $((cy + 540)) 2            # НАСТРОЙКИ again
figure talvern history "$(timed $((dx + 593)) $((dy + 399)) window)"    # история
sleep 1
xdotool key Escape; sleep 1
# "Игра на Интерес", the last tab; the page's middle is watched
figure talvern info "$(timed $((dx + 586)) $((dy + 20)) page $((dx + 100)) $((dy + 100)) 500 250)"
sleep 5
read -r rss pss < <(memory "$pid")
figure talvern memoryweb "$rss"
kill "$pid"; sleep 1

# Started again: the pictures are in the cache now.
read -r pid mapped painted used < <(start talvern "$TALVERN_BIN")
figure talvern warmstart "$mapped"
figure talvern warmpainted "$painted"
sleep 3
click $((cx + 400)) $((cy + 300)) 3
open_dialogs warm
kill "$pid"; sleep 1

figure talvern jackpot "$("$TALVERN_JACKPOT_BIN" 2>/dev/null | awk '{ print $3 }')"
