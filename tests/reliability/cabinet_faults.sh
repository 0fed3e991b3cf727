#!/usr/bin/env bash
# The real program on a virtual display, through the faults its memory must
# survive. Each case starts the cabinet with a prepared home, leaves it the
# way a player does (ВЫХОД, "Да", any key on the receipt) and watches the
# windows it opens with xdotool:
#
#   cabinet_faults.sh BINARY disk-full      a full tmpfs as config and data folder
#   cabinet_faults.sh BINARY read-only      the data folder not writable (run as nobody)
#   cabinet_faults.sh BINARY config-file    ~/.config is a plain file
#   cabinet_faults.sh BINARY kills KILLAT   SIGKILL at every change the exit makes, then at random moments
#   cabinet_faults.sh BINARY no-media       no soundfont, no network, no web engine process
#   cabinet_faults.sh BINARY big-files      a 100 MB log, 50 MB of junk settings: time and memory
#
# A case that cannot be set up here (no mount, no other user) says so and
# exits 77, which CTest counts as skipped.
set -euo pipefail
bin=$(readlink -f "$1")
case_name=$2
killat=${3:+$(readlink -f "$3")}
if [ -z "${TALVERN_FAULTS_INNER:-}" ]; then
  export TALVERN_FAULTS_INNER=1
  # Each case searches for a free display from a number of its own, so that
  # cases started together do not race for the same one.
  case $case_name in
  disk-full) first=210 ;; read-only) first=220 ;; config-file) first=230 ;; kills) first=240 ;; no-media) first=270 ;; *) first=250 ;;
  esac
  # -noreset: an X server resets when its last client leaves and refuses
  # the connections that come while it does; the runs here are often its
  # only client, killed or ended just before the next one starts.
  exec xvfb-run -a -n "$first" -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
here=$(mktemp -d /tmp/talvern-faults.XXXXXX)
chmod 755 "$here"
app=
mounts=()
cleanup() {
  [ -n "$app" ] && kill -9 "$app" 2>/dev/null || true
  for m in "${mounts[@]}"; do umount -l "$m" 2>/dev/null || true; done
  rm -rf "$here"
}
trap cleanup EXIT
fail() { echo "FAIL [$case_name]: $*"; exit 1; }
# A click or a key for the virtual display.
act() { xdotool "$@"; }
skip() { echo "SKIP [$case_name]: $*"; exit 77; }
report() { printf '[ %-11s] %s\n' "$case_name" "$*"; }

# --- the files a home starts with ---------------------------------------
# An earlier settings file of more than a page, with a desktop to restore
# (so the start of the run writes) and a group of someone else's.
write_settings() {
  local i
  {
    printf '[vol]\nformat=12500\nnum=6\nbon=40\nscrw=1024\nscrh=768\nscrp=24\n\n[stat]\nstdeal=120\nstrba=9\n\n[notes]\n'
    for i in $(seq 1 150); do printf 'note%d=kept as it was, whatever the disk does\n' "$i"; done
  } >"$1"
}
# An earlier log of a few runs in the code page, with an LF-only line and
# a torn end.
write_log() {
  local i
  {
    printf '\r\n'
    for i in 1 2 3 4 5 6; do
      printf '**************************************\r\nTalvern \xe2\xea\xeb\xfe\xf7\xe5\xed - 01.02.2024, 10:00:00\r\n'
      printf '\xc8\xe3\xf0\xe0 \xed\xee\xec\xe5\xf0  %d\r\nLF only\n' "$i"
      head -c 600 /dev/zero | tr '\0' 'x'; printf '\r\n'
    done
    printf 'torn in the mid'
  } >"$1"
}
new_home() {
  home=$(mktemp -d "$here/home.XXXXXX")
  chmod 755 "$home"
  conf=$home/.config/Ostrel/Talvern.conf
  data=$home/.local/share/Ostrel/Talvern
  log=$data/stat.log
}
seed_home() {
  mkdir -p "$(dirname "$conf")" "$data"
  write_settings "$conf"
  write_log "$log"
  cp "$conf" "$here/settings.before"
  cp "$log" "$here/log.before"
}

# --- driving the cabinet ------------------------------------------------
# Starts the program (optionally through a prefix such as runuser) and
# waits for its cabinet window.
start_cabinet() {
  local t0=$EPOCHREALTIME
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    "$@" "$bin" >"$here/app.out" 2>&1 &
  app=$!
  main=
  for _ in $(seq 1 300); do
    for w in $(xdotool search --onlyvisible --name '^Talvern$' 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      if [ "$WIDTH" -ge 800 ]; then main=$w; MX=$X; MY=$Y; break 2; fi
    done
    kill -0 "$app" 2>/dev/null || fail "the program ended at its start: $(tail -n 5 "$here/app.out")"
    sleep 0.1
  done
  [ -n "$main" ] || fail "no cabinet window"
  startup=$(awk -v a="$EPOCHREALTIME" -v b="$t0" 'BEGIN { printf "%.2f", a - b }')
}
click() { act mousemove $((MX + $1)) $((MY + $2)) click 1; }
# The program's windows other than the cabinet: boxes and the receipt. The
# receipt's own name is empty (search does not see the title it shows), so
# every window of the program's class counts but one as large as the screen.
boxes() {
  for w in $(xdotool search --onlyvisible --class '^talvern$' 2>/dev/null); do
    [ "$w" = "$main" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" -lt 1024 ] && echo "$w"
  done
  return 0
}
visible() { xdotool search --onlyvisible --class '^talvern$' 2>/dev/null | grep -qx "$1"; }
# Sends a key until the window it is meant for has gone: a window mapped
# a moment ago may not have the keyboard yet, and without a window manager
# nothing hands it over but the program itself.
dismiss() {
  local w=$1 key=$2
  for _ in 1 2 3 4 5; do
    sleep 0.3
    act key "$key"
    for _ in $(seq 1 40); do
      visible "$w" || return 0
      kill -0 "$app" 2>/dev/null || return 0
      sleep 0.05
    done
  done
  return 1
}
wait_box() {
  for _ in $(seq 1 100); do
    b=$(boxes | head -n 1)
    [ -n "$b" ] && return 0
    kill -0 "$app" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
# ВЫХОД and "Да": the exit sequence writes the statistics and shows the
# receipt.
leave() {
  click 400 300 && sleep 0.3   # the intro picture
  click 694 535                # ВЫХОД
  wait_box || fail "no question on leaving"
  dismiss "$b" Return || fail "the question did not take its key"
}
# Any key on the receipt: the log and the run number are written, and the
# problem (if any) is said. Counts the boxes until the program has ended.
close_receipt() {
  for _ in $(seq 1 100); do
    b=$(boxes | head -n 1)
    [ -n "$b" ] && eval "$(xdotool getwindowgeometry --shell "$b")" && [ "$WIDTH" -gt 300 ] && [ "$HEIGHT" -gt 250 ] && break
    sleep 0.1
  done
  [ -n "$b" ] || fail "no receipt"
  local t0=$EPOCHREALTIME
  dismiss "$b" space || fail "the receipt did not take its key"
  told=0
  local seen=$b   # the receipt, on its way out
  for _ in $(seq 1 200); do
    kill -0 "$app" 2>/dev/null || break
    b=$(boxes | head -n 1)
    if [ -n "$b" ] && [ "$b" != "$seen" ]; then
      # A box after the receipt: the problem. It is said once, then the
      # program ends.
      told=$((told + 1))
      seen=$b
      sleep 0.3
      [ -n "${shot:-}" ] && import -window root "$shot"
      dismiss "$b" Return || fail "the problem box did not take its key"
    fi
    sleep 0.1
  done
  kill -0 "$app" 2>/dev/null && fail "the program did not end"
  wait "$app" || true
  app=
  exit_time=$(awk -v a="$EPOCHREALTIME" -v b="$t0" 'BEGIN { printf "%.2f", a - b }')
}
same() { cmp -s "$1" "$2" || fail "$3 changed ($(stat -c %s "$1") bytes, was $(stat -c %s "$2"))"; }
# The log is the earlier bytes, then the torn line ended, then one run's
# eight lines.
log_grew_by_one_run() {
  local before=$1 after=$2
  local n
  n=$(stat -c %s "$before")
  [ "$(head -c "$n" "$after" | cmp -s - "$before" && echo y)" = y ] || fail "the earlier log is not kept byte for byte"
  local added lines=8
  [ "$(tail -c 1 "$before")" = "" ] || lines=9   # a torn last line is ended first
  added=$(tail -c +$((n + 1)) "$after" | iconv -f CP1251 -t UTF-8)
  [ "$(printf '%s' "$added" | grep -c $'\r$')" -eq $lines ] || fail "the log did not grow by one run: $added"
  printf '%s' "$added" | grep -q '^Talvern выключен - [0-9][0-9]\.[0-9][0-9]\.20[0-9][0-9], [0-9:]\{8\}'$'\r$' ||
    fail "no switch-off line"
}

case $case_name in
disk-full)
  for room in none one-page; do
    new_home
    for d in "$home/.config" "$home/.local/share"; do
      mkdir -p "$d"
      mount -t tmpfs -o size=64k,mode=0755 tmpfs "$d" 2>/dev/null || skip "cannot mount a tmpfs here (needs root)"
      mounts+=("$d")
    done
    seed_home
    for d in "$home/.config" "$home/.local/share"; do
      dd if=/dev/zero of="$d/filler" bs=4k 2>/dev/null || true
      [ $room = one-page ] && truncate -s -4096 "$d/filler"
    done
    start_cabinet
    leave
    close_receipt
    [ "$told" -eq 1 ] || fail "told $told times (room: $room)"
    same "$conf" "$here/settings.before" "the settings file"
    same "$log" "$here/log.before" "stat.log"
    for d in "${mounts[@]}"; do umount -l "$d"; done
    mounts=()
    report "room left: $room; told once; settings file and stat.log unchanged"
  done
  ;;
read-only)
  user=nobody
  id "$user" >/dev/null 2>&1 || { useradd -r -M -s /usr/sbin/nologin talvern-faults && user=talvern-faults; } ||
    skip "no unprivileged user to run as"
  new_home
  seed_home
  chown -R "$user" "$home/.config" "$home"
  chown -R root "$home/.local"
  chmod -R a-w,a+rX "$home/.local"
  # The display's key, where the other user may read it.
  cp "$XAUTHORITY" "$home/.Xauthority"
  chown "$user" "$home/.Xauthority"
  runuser -u "$user" -- true 2>/dev/null || skip "cannot run as $user"
  shot=${TALVERN_FAULTS_SHOT:-}
  start_cabinet runuser -u "$user" -- env HOME="$home" XAUTHORITY="$home/.Xauthority" DISPLAY="$DISPLAY"
  leave
  close_receipt
  [ "$told" -eq 1 ] || fail "told $told times"
  same "$log" "$here/log.before" "stat.log"
  grep -q '^num=7$' "$conf" || fail "the settings (writable) were not stored: $(grep num "$conf")"
  grep -q '^note150=kept' "$conf" || fail "the other group of the settings is gone"
  report "data folder read-only for $user: told once; stat.log unchanged; settings stored (num=7)"
  ;;
config-file)
  new_home
  mkdir -p "$data"
  write_log "$log"
  cp "$log" "$here/log.before"
  printf 'a file where the folder should be\n' >"$home/.config"
  cp "$home/.config" "$here/config.before"
  start_cabinet
  leave
  close_receipt
  [ "$told" -eq 1 ] || fail "told $told times"
  same "$home/.config" "$here/config.before" "~/.config"
  log_grew_by_one_run "$here/log.before" "$log"
  report "~/.config a file: told once; it is unchanged; stat.log got the run"
  ;;
kills)
  # The versions of the settings file a whole run passes through: at its
  # start, at the receipt, at the end (no play: each is the same every run).
  new_home
  seed_home
  start_cabinet
  cp "$conf" "$here/settings.1"
  leave
  for _ in $(seq 1 50); do cmp -s "$conf" "$here/settings.1" || break; sleep 0.1; done
  cp "$conf" "$here/settings.2"
  close_receipt
  cp "$conf" "$here/settings.3"
  [ "$told" -eq 0 ] || fail "a problem on an ordinary run"
  log_grew_by_one_run "$here/log.before" "$log"
  cmp -s "$here/settings.1" "$here/settings.2" && fail "the exit wrote no statistics"
  cmp -s "$here/settings.2" "$here/settings.3" && fail "the end wrote no run number"
  # The kill points: every system call of the program's main thread that
  # changes something in the two folders, from "Да" to the end, counted
  # in a reference exit and then killed at one by one (talvern_rel_killat).
  [ -x "$killat" ] || skip "no kill helper"
  watch_exit() {  # N: leaves through the exit with the helper watching
    rm -f "$here/killat.out"
    click 400 300 && sleep 0.3
    click 694 535
    wait_box || fail "no question on leaving"
    "$killat" "$app" "$1" "$home/.config" "$home/.local/share" >"$here/killat.out" 2>&1 &
    local helper=$!
    for _ in $(seq 1 100); do grep -q attached "$here/killat.out" 2>/dev/null && break; sleep 0.05; done
    grep -q "ptrace not permitted" "$here/killat.out" && skip "$(cat "$here/killat.out")"
    dismiss "$b" Return || true   # killed on the way, perhaps
    # Until the helper is done: the receipt, if it comes, gets its key.
    local keyed=
    for _ in $(seq 1 200); do
      kill -0 "$helper" 2>/dev/null || break
      if [ -z "$keyed" ]; then
        b=$(boxes | head -n 1)
        if [ -n "$b" ]; then
          eval "$(xdotool getwindowgeometry --shell "$b")"
          if [ "$WIDTH" -gt 300 ]; then dismiss "$b" space || true; keyed=1; fi
        fi
      fi
      sleep 0.05
    done
    kill -0 "$helper" 2>/dev/null && fail "the kill helper did not finish: $(cat "$here/killat.out")"
    wait "$helper" || true
    wait "$app" 2>/dev/null || true
    app=
    changes=$(sed -n 's/^changes=\([0-9]*\).*/\1/p' "$here/killat.out")
  }
  new_home
  seed_home
  start_cabinet
  watch_exit -1
  grep -q 'killed=0' "$here/killat.out" || fail "the reference exit was killed"
  cmp -s "$conf" "$here/settings.3" || fail "the reference exit wrote other settings"
  total=$changes
  [ "$total" -gt 5 ] || fail "only $total changes seen in the exit"
  declare -A seen
  for k in $(seq 0 $((total - 1))); do
    new_home
    seed_home
    start_cabinet
    watch_exit "$k"
    grep -q 'killed=1' "$here/killat.out" || fail "kill $k did not happen: $(cat "$here/killat.out")"
    s=none
    for v in before 1 2 3; do
      if cmp -s "$conf" "$here/settings.$v"; then s=$v; break; fi
    done
    [ $s = none ] && fail "killed at change $k ($(cat "$here/killat.out")): the settings file is torn ($(stat -c %s "$conf") bytes)"
    if cmp -s "$log" "$here/log.before"; then l=old; else log_grew_by_one_run "$here/log.before" "$log"; l=new; fi
    strays=$((${strays:-0} + $(find "$home/.config" "$data" -maxdepth 2 -name 'Talvern.conf.~talvern-??????' -o -maxdepth 2 -name 'stat.log.~talvern-??????' | wc -l)))
    [ -n "${TALVERN_FAULTS_VERBOSE:-}" ] && echo "kill at change $k ($(cat "$here/killat.out")): settings $s, log $l"
    seen["settings $s, log $l"]=$((${seen["settings $s, log $l"]:-0} + 1))
    # The next run starts from what is there and ends normally.
    cp "$log" "$here/log.killed"
    start_cabinet
    leave
    close_receipt
    [ "$told" -eq 0 ] || fail "kill $k: the next run reported a problem"
    log_grew_by_one_run "$here/log.killed" "$log"
  done
  kills=$total
  summary=
  for k in "${!seen[@]}"; do summary+="$k: ${seen[$k]}; "; done
  report "$kills kills of the real program (every change its exit makes), each followed by a normal run: $summary temporary files left: ${strays:-0}"

  # Then at random moments, as a power cut comes: SIGKILL a random time
  # after "Да" (the receipt keyed as soon as it shows), anywhere in the span
  # an exit takes here. Every tenth home is played again to see the next run
  # start from what is left.
  exit_at_random() {  # DELAY (seconds, or "never"): leaves, and kills DELAY after the answer
    start_cabinet
    click 400 300 && sleep 0.3
    click 694 535
    wait_box || fail "no question on leaving"
    rm -f "$here/killed"
    if [ "$1" = never ]; then sleep 30 & else ( sleep "$1"; kill -9 "$app" 2>/dev/null && touch "$here/killed" ) & fi
    local killer=$! keyed= t0=$EPOCHREALTIME
    dismiss "$b" Return || true
    while kill -0 "$killer" 2>/dev/null && kill -0 "$app" 2>/dev/null; do
      if [ -z "$keyed" ]; then
        b=$(boxes | head -n 1)
        if [ -n "$b" ]; then
          eval "$(xdotool getwindowgeometry --shell "$b")"
          if [ "$WIDTH" -gt 300 ]; then act key space; keyed=1; fi
        fi
      fi
      sleep 0.02
    done
    span_ms=$(awk -v a="$EPOCHREALTIME" -v b="$t0" 'BEGIN { printf "%d", (a - b) * 1000 }')
    [ "$1" = never ] && kill "$killer" 2>/dev/null
    { wait "$killer"; wait "$app"; } 2>/dev/null || true
    app=
  }
  new_home
  seed_home
  exit_at_random never
  cmp -s "$conf" "$here/settings.3" || fail "an exit keyed at once wrote other settings"
  span=$span_ms
  wanted=${TALVERN_FAULTS_RANDOM_KILLS:-180}
  RANDOM=${TALVERN_FAULTS_SEED:-1251}
  declare -A outcome
  killed=0 tries=0
  while [ "$killed" -lt "$wanted" ]; do
    tries=$((tries + 1))
    [ "$tries" -le $((wanted * 3)) ] || fail "only $killed of $tries runs were still running at their kill"
    new_home
    seed_home
    ms=$(( (RANDOM * 32768 + RANDOM) % (span + 1) ))
    delay=$(printf '%d.%03d' $((ms / 1000)) $((ms % 1000)))
    exit_at_random "$delay"
    [ -e "$here/killed" ] || continue   # it had ended: not a kill
    killed=$((killed + 1))
    s=none
    for v in before 1 2 3; do
      if cmp -s "$conf" "$here/settings.$v"; then s=$v; break; fi
    done
    [ $s = none ] && fail "killed $delay s after the answer: the settings file is torn ($(stat -c %s "$conf") bytes)"
    if cmp -s "$log" "$here/log.before"; then l=old; else log_grew_by_one_run "$here/log.before" "$log"; l=new; fi
    outcome["settings $s, log $l"]=$((${outcome["settings $s, log $l"]:-0} + 1))
    if [ $((killed % 10)) -eq 0 ]; then
      cp "$log" "$here/log.killed"
      start_cabinet
      leave
      close_receipt
      [ "$told" -eq 0 ] || fail "the run after a kill $delay s after the answer reported a problem"
      log_grew_by_one_run "$here/log.killed" "$log"
    fi
  done
  summary=
  for k in "${!outcome[@]}"; do summary+="$k: ${outcome[$k]}; "; done
  report "$killed kills of the real program at random moments of its exit (within ${span} ms of the answer; $tries runs, seed ${TALVERN_FAULTS_SEED:-1251}), every tenth followed by a normal run: $summary"
  report "in all $((kills + killed)) kills of the real program, every file whole"
  ;;
no-media)
  # No sound card (there is none here), no soundfont, no network and a web
  # engine whose process cannot start: a game, the information page asked
  # for the site's news, and an ordinary end, as fast as an ordinary run.
  [ "$(id -u)" -eq 0 ] || skip "the namespaces that take away the network and the soundfont need root"
  command -v unshare >/dev/null || skip "no unshare"
  cat >"$here/isolated.sh" <<'EOS'
#!/bin/sh
# In a mount namespace of its own: the soundfonts' folder empty.
mount -t tmpfs none /usr/share/sounds/sf2 || exit 3
exec "$@"
EOS
  chmod 755 "$here/isolated.sh"
  new_home
  seed_home
  start_cabinet
  plain=$startup
  leave
  close_receipt
  new_home
  seed_home
  start_cabinet unshare -m -n env QTWEBENGINEPROCESS_PATH=/nonexistent/QtWebEngineProcess "$here/isolated.sh"
  bare=$startup
  click 400 300 && sleep 0.3   # the intro picture
  click 583 535 && sleep 0.5   # ЗАРЯДИТЬ
  click 409 549 && sleep 3     # раздать
  click 409 549 && sleep 3     # the draw
  kill -0 "$app" 2>/dev/null || fail "the program ended during a game: $(tail -n 5 "$here/app.out")"
  # НАСТРОЙКИ, again while the draw may still hold the input on a loaded
  # machine; the time is counted from the click that opened it.
  dialog=
  for _ in $(seq 1 10); do
    t0=$EPOCHREALTIME
    click 106 540
    for _ in $(seq 1 20); do
      for w in $(xdotool search --onlyvisible --name '^Настройки' 2>/dev/null); do dialog=$w; break 3; done
      sleep 0.1
    done
  done
  [ -n "$dialog" ] || fail "no settings dialog"
  opened=$(awk -v a="$EPOCHREALTIME" -v b="$t0" 'BEGIN { printf "%.2f", a - b }')
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  sleep 0.5
  act mousemove $((X + 587)) $((Y + 21)) click 1 && sleep 1      # the information page
  act mousemove $((X + 68)) $((Y + 454)) click 1 && sleep 3      # Обновить: the site is out of reach
  kill -0 "$app" 2>/dev/null || fail "the program ended on the information page: $(tail -n 5 "$here/app.out")"
  act mousemove $((X + 361)) $((Y + 514)) click 1 && sleep 0.5   # Ok
  for _ in $(seq 1 50); do visible "$dialog" || break; sleep 0.1; done
  visible "$dialog" && fail "the settings dialog did not close"
  cp "$log" "$here/log.before"
  leave
  close_receipt
  [ "$told" -eq 0 ] || fail "a problem was reported"
  log_grew_by_one_run "$here/log.before" "$log"
  report "no soundfont, no network, no web engine process: start-up $(printf %.2f "$bare") s (ordinary $(printf %.2f "$plain") s), settings open in $opened s, a game, the information page and the end as ever"
  ;;
big-files)
  [ -x /usr/bin/time ] || skip "no /usr/bin/time (Debian package time) to measure with"
  # Time to the cabinet and to the end after the receipt, and the peak
  # memory, with ordinary files and with huge ones. Reported, and the
  # memory must not follow the files.
  measure() {
    start_cabinet /usr/bin/time -v -o "$here/time.txt"
    leave
    close_receipt
    [ "$told" -eq 0 ] || fail "a problem with $1"
    peak=$(awk -F': ' '/Maximum resident/ {print $2}' "$here/time.txt")
    report "$1: start-up $(printf %.2f "$startup") s, key on the receipt to the end $(printf %.2f "$exit_time") s (0.3 s of it the test's own wait), peak ${peak} kB"
  }
  new_home
  seed_home
  measure "ordinary files"
  base=$peak
  new_home
  mkdir -p "$(dirname "$conf")" "$data"
  write_settings "$conf"
  write_log "$here/small.log"
  line=$(printf 'Talvern \xe2\xea\xeb\xfe\xf7\xe5\xed - 01.02.2024, 10:00:00\r')
  { cat "$here/small.log"; printf '\r\n'
    { yes "$line" || true; } | head -c 104857600
    printf '\x98\x98 LF only\ntorn'; } >"$log"
  cp "$log" "$here/log.before"
  measure "100 MB stat.log"
  log_grew_by_one_run "$here/log.before" "$log"
  [ $((peak - base)) -lt 65536 ] || fail "memory follows the log: $peak kB against $base kB"
  rm -f "$here/log.before"
  new_home
  mkdir -p "$(dirname "$conf")" "$data"
  # One 45 MB line of 0xFF, then 5 MB of short lines of bytes of every
  # kind (a fixed seed), then the machine's values.
  head -c 45M /dev/zero | tr '\0' '\377' >"$conf"
  printf '\n' >>"$conf"
  LC_ALL=C awk 'BEGIN { srand(7); for (i = 0; i < 700000; i++) printf "%c%c=%c%c%c\n", 33 + int(rand() * 90), 128 + int(rand() * 120), 1 + int(rand() * 250), 1 + int(rand() * 250), 1 + int(rand() * 250) }' >>"$conf"
  printf '\n[vol]\nformat=4321\nnum=9\n' >>"$conf"
  junk_size=$(($(stat -c %s "$conf") - 22))
  head -c "$junk_size" "$conf" >"$here/junk.head"
  measure "$((junk_size / 1048576)) MB junk settings"
  head -c "$junk_size" "$conf" | cmp -s - "$here/junk.head" || fail "the junk of the settings file was not kept"
  grep -aq '^num=10$' "$conf" || fail "the run number after the junk was not stored"
  [ $((peak - base)) -lt 65536 ] || fail "memory follows the settings file: $peak kB against $base kB"
  ;;
*)
  echo "unknown case $case_name"
  exit 2
  ;;
esac
