#!/usr/bin/env bash
# The whole machine: the real program on a virtual display, played by mouse
# and keyboard the way a player plays it, from an empty home to the receipt,
# and then the settings file and stat.log it leaves.
#
#   whole_machine.sh TALVERN [HELP_VIEWER [TALVERN_ODDS]]
#
# What it plays, in this order:
#   - F1 and "помощь": the local help page and the maker's help page are
#     handed to the desktop (a stand-in xdg-open notes them; the local page
#     is shown by HELP_VIEWER and pictured);
#   - the settings dialog: the third card back; three loads;
#   - Joker Poker with Red-Black, statistics on: games until a win, a take
#     half, a guess at the machine's own chance, the take;
#   - Deuces Wild with Higher-Lower, statistics on: games until a win, a pick
#     at the machine's own chance, the take;
#   - Jack or Better with every fortune slider at +100 (statistics off): a
#     Red-Black win, the test hand (the hidden spot of the Red-Black table),
#     the take and the Jack Pot found three times; a Red-Black take half and
#     take; Higher-Lower won, half taken, taken; Russian Roulette won after a
#     pull and taken, then pulled until the shot; with Red-Black and
#     Higher-Lower at -100: each lost;
#   - "все в 0%", no risk game, Joker Poker, the offer of another game
#     ticked: the credits and the Jack Pot come back to their counted
#     values; a load and two Joker Poker games with statistics on;
#   - the expert turned on (the hint, the trainer, keyboard play): a game
#     dealt with the hint, which must be talvern-odds hold's first line
#     (TALVERN_ODDS), a costly hold the trainer asks about and "Нет", the
#     hint held by its key and drawn; then a game by keyboard alone (the bet,
#     a load, the deal, the holds, the draw);
#   - ВЫХОД, "Да", the receipt, "Сыграем еще?" answered No.
# Then the settings file and stat.log must hold what was played: the
# dialog's choices, the run number, the counters of the games played with
# statistics on (and none of the others), the pools, the Jack Pot, and one
# run's block in Windows-1251 with the receipt's figures. And every game
# of the recall file it wrote must replay from its seeds (talvern-odds
# replay), among them games of each variant, each risk game and the Jack Pot.
# The outcomes the machine draws are steered with its own sliders or
# waited for in bounded loops; the state is read from the program's trace
# (TALVERN_TRACE, mainwindow/trace.h), what the player sees.
#
# Set TALVERN_WHOLE_KEEP=DIR to keep the screenshots and the trace there.
set -euo pipefail
bin=$(readlink -f "$1")
viewer=${2:+$(readlink -f "$2")}
odds=${3:+$(readlink -f "$3")}
odds=${odds:-$(command -v talvern-odds || true)}
if [ -z "${TALVERN_WHOLE_INNER:-}" ]; then
  export TALVERN_WHOLE_INNER=1
  # -noreset: an X server resets when its last client leaves and refuses
  # the connections that come while it does; the runs here are often its
  # only client, killed or ended just before the next one starts.
  exec xvfb-run -a -n 260 -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
unset BROWSER DEFAULT_BROWSER
here=$(mktemp -d /tmp/talvern-whole.XXXXXX)
home=$here/home
trace=$here/trace.log
shots=$here/shots
mkdir -p "$home" "$shots" "$here/bin"
conf=$home/.config/Ostrel/Talvern.conf
log=$home/.local/share/Ostrel/Talvern/stat.log
recall=$home/.local/share/Ostrel/Talvern/recall.jsonl
app=
t_start=$SECONDS

cleanup() {
  if [ -n "$app" ]; then
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
  fi
  if [ -s "$here/viewer.pid" ]; then
    local v
    v=$(cat "$here/viewer.pid")
    kill "$v" 2>/dev/null || true
    for _ in $(seq 1 30); do kill -0 "$v" 2>/dev/null || break; sleep 0.1; done
  fi
  if [ -n "${TALVERN_WHOLE_KEEP:-}" ]; then
    mkdir -p "$TALVERN_WHOLE_KEEP"
    cp -r "$shots"/. "$TALVERN_WHOLE_KEEP"/ 2>/dev/null || true
    cp "$trace" "$TALVERN_WHOLE_KEEP"/trace.log 2>/dev/null || true
  fi
  rm -rf "$here"
}
trap cleanup EXIT
# A click or a key for the virtual display.
act() { xdotool "$@"; }
note() { printf '[whole %3ds] %s\n' $((SECONDS - t_start)) "$*"; }
fail() {
  echo "FAIL: $*"
  import -window root "$shots/failure.png" 2>/dev/null || true
  echo "last state: $(grep kind=state "$trace" 2>/dev/null | tail -n 1)"
  exit 1
}
check() {  # WHAT ACTUAL EXPECTED
  [ "$2" = "$3" ] || fail "$1: $2, expected $3"
}
shot() { import -window root "$shots/$1.png" 2>/dev/null || true; }

# --- the trace ------------------------------------------------------------
# A state line is written whenever what the player sees changes. A wait
# looks at the lines written after SINCE (the last line before the click
# it waits for); busy=0 with wait=0 is the machine waiting for the player.
cat >"$here/match.awk" <<'EOF'
# -v since=N -v latest=0|1, SETS="cond\ncond\n\fcond..." in the environment
# Prints the first state line after `since` that meets all conditions of
# one of the sets (with latest=1: the last state line, if it does), the
# set's number first. A condition is NAME=REGEX or NAME!=REGEX, whole value.
function meets(   i, p, k, r, neg, n, c) {
  for (s = 1; s <= nsets; s++) {
    if (set[s] == "") continue
    n = split(set[s], c, "\n")
    ok = 1
    for (i = 1; i <= n; i++) {
      if (c[i] == "") continue
      neg = 0
      if ((p = index(c[i], "!=")) > 0) { neg = 1; k = substr(c[i], 1, p - 1); r = substr(c[i], p + 2) }
      else { p = index(c[i], "="); k = substr(c[i], 1, p - 1); r = substr(c[i], p + 1) }
      hit = (k in v) && v[k] ~ ("^(" r ")$")
      if (hit == neg) { ok = 0; break }
    }
    if (ok) return s
  }
  return 0
}
BEGIN { nsets = split(ENVIRON["SETS"], set, "\f") }
$3 == "kind=state" {
  if (substr($1, 5) + 0 <= since + 0) next
  if (latest) { line = $0; next }
  for (k in v) delete v[k]
  for (i = 1; i <= NF; i++) { p = index($i, "="); v[substr($i, 1, p - 1)] = substr($i, p + 1) }
  if ((s = meets()) > 0) { print s "\t" $0; exit }
}
END {
  if (!latest || line == "") exit
  n = split(line, f, "\t")
  for (i = 1; i <= n; i++) { p = index(f[i], "="); v[substr(f[i], 1, p - 1)] = substr(f[i], p + 1) }
  if ((s = meets()) > 0) print s "\t" line
}
EOF
last_seq() {
  local l
  l=$(tail -n 1 "$trace" 2>/dev/null || true)
  l=${l#seq=}
  l=${l%%$'\t'*}
  echo "${l:-0}"
}
mark() { SINCE=$(last_seq); }
alive() { kill -0 "$app" 2>/dev/null; }
# Field of the line found last.
f() { printf '%s\n' "$LINE" | tr '\t' '\n' | sed -n "s/^$1=//p" | head -n 1; }
line_seq() { f seq; }
# WAIT_ANY TIMEOUT LATEST SET...: each SET a newline-separated list of
# conditions; sets LINE and WHICH (the number of the set met). Returns 1
# at the timeout.
wait_any() {
  local timeout=$1 latest=$2
  shift 2
  local sets end out
  sets=$(printf '%s\f' "$@")
  end=$((SECONDS + timeout))
  while :; do
    # (the conditions go through the environment: -v would read their backslashes)
    out=$(SETS=$sets awk -F'\t' -v since="$SINCE" -v latest="$latest" -f "$here/match.awk" "$trace" 2>/dev/null || true)
    if [ -n "$out" ]; then
      WHICH=${out%%$'\t'*}
      LINE=${out#*$'\t'}
      return 0
    fi
    alive || fail "the program ended while waiting for: $(printf '%s ' "$@" | tr '\n' ' ')"
    [ $SECONDS -lt $end ] || return 1
    sleep 0.1
  done
}
conds() { printf '%s\n' "$@"; }
# AWAIT TIMEOUT COND...: the first state after SINCE that meets them.
await() {
  local timeout=$1
  shift
  wait_any "$timeout" 0 "$(conds "$@")" || fail "no state with '$*' within ${timeout}s"
}
# SETTLED TIMEOUT COND...: the latest state meets them (for the dialog's
# controls, whose clicks may leave a value as it was).
settled() {
  local timeout=$1
  shift
  SINCE=0
  wait_any "$timeout" 1 "$(conds "$@")" || fail "the state did not come to '$*' within ${timeout}s"
}
# IDLE [TIMEOUT] [COND...]: the machine waits for the player again. A Jack
# Pot window on the way is played through (play_jackpot).
idle() {
  local timeout=${1:-60}
  shift || true
  local end=$((SECONDS + timeout))
  while :; do
    wait_any $((end - SECONDS > 0 ? end - SECONDS : 0)) 0 "$(conds busy=0 wait=0 modal=- jp=0 "$@")" \
      "$(conds jp=1 jpcount=1)" || fail "the machine did not come to rest with '$*' within ${timeout}s"
    [ "$WHICH" = 1 ] && return 0
    play_jackpot
    end=$((SECONDS + timeout))
  done
}

# --- the windows ----------------------------------------------------------
app_env() {
  env PATH="$here/bin:$PATH" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$here" TALVERN_TRACE="$trace" "$@"
}
# The stand-in for the desktop's opener: notes what it is asked to open and
# shows a local page with the help viewer.
cat >"$here/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$here/opened.txt"
case "\$1" in
file:*) if [ -n "$viewer" ]; then "$viewer" "\$1" >"$here/viewer.out" 2>"$here/viewer.err" & echo \$! >"$here/viewer.pid"; fi ;;
esac
EOF
chmod +x "$here/bin/xdg-open"

window_of() {  # NAME-REGEX: the visible window of that name in WIN, its place in WX WY WW WH
  local w
  local X Y WIDTH HEIGHT SCREEN WINDOW geometry
  for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    # (a window on its way out may be gone before it is measured)
    geometry=$(xdotool getwindowgeometry --shell "$w" 2>/dev/null) || continue
    eval "$geometry"
    WIN=$w WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
    return 0
  done
  return 1
}
# Cabinet coordinates (800 x 600) to the screen: the view keeps the aspect
# and centres the cabinet when the window is not 800 x 600.
click() {
  local x y
  read -r x y < <(awk -v x="$1" -v y="$2" -v w="$MW" -v h="$MH" -v ox="$MX" -v oy="$MY" 'BEGIN {
    s = w / 800; if (h / 600 < s) s = h / 600
    printf "%d %d\n", ox + (w - 800 * s) / 2 + x * s, oy + (h - 600 * s) / 2 + y * s }')
  mark
  act mousemove "$x" "$y" click 1
}
key() {
  mark
  act key "$1"
}
# The cabinet's controls, at the centres of their places.
intro=(400 300) load=(583 535) deal=(409 549) options=(106 540) help=(79 198) quit=(694 535)
btn12=(137 534) red=(299 547) black=(505 547) cash=(663 534)
half1=(135 536) yes1=(402 545) cash1=(661 532)
testhand=(565 29)
card_x=(127 262 399 535 672)
press() { local -n at=$1; click "${at[0]}" "${at[1]}"; }
press_card() { click "${card_x[$(($1 - 1))]}" 400; }

# --- the settings dialog --------------------------------------------------
# Places in the dialog: its tabs, then the controls of its pages, relative
# to a page's top left (8, 34 in the dialog).
tab_x=(52 136 255 401 485)
open_settings() {
  press options
  await 20 dlg=1 busy=0
  window_of '^Настройки' || fail "no settings dialog window"
  DX=$WX DY=$WY
  sleep 0.3
}
dclick() {
  act mousemove $((DX + $1)) $((DY + $2)) click 1
  sleep 0.3
}
tab() { dclick "${tab_x[$(($1 - 1))]}" 21; }
pclick() { dclick $((8 + $1)) $((34 + $2)); }
variant_names=("Joker Poker" "Jack or Better" "Deuces Wild")
set_variant() {  # 0, 1, 2: the list opened, Home or End, Down
  tab 1
  pclick 171 27
  sleep 0.4
  case $1 in 0) act key Home ;; 1) act key Home Down ;; 2) act key End ;; esac
  sleep 0.2
  act key Return
  settled 10 variant="$1"
}
risk_at=("25 79" "258 79" "491 79" "" "25 363" "25 403")  # RB1 RB2 RB3 - RB5 RB6 by choice code
set_risk() {
  tab 1
  # shellcheck disable=SC2086
  pclick ${risk_at[$1]}
  settled 10 risk="$1"
}
set_slider() {  # COLUMN (0..3) End|Home: +100 or -100
  tab 3
  pclick $((68 + 110 * $1)) 207
  act key "$2"
  local want='\+100%'
  [ "$2" = Home ] && want=-100%
  local pattern=(".*" ".*" ".*" ".*")
  pattern[$1]=$want
  settled 10 "fortune=${pattern[0]},${pattern[1]},${pattern[2]},${pattern[3]}" "stats=статистика отключена"
}
all_to_zero() {
  tab 3
  pclick 385 387
  settled 10 "fortune=\+0%,\+0%,\+0%,\+0%" "stats=статистика включена"
}
choose_back() {
  tab 5
  pclick $((83 + 135 * ($1 - 1))) 323
  settled 10 back="$1"
}
tick_offer() {
  tab 3
  pclick 483 396
  settled 10 offer=1
}
close_settings() {
  mark
  dclick 361 514
  await 20 dlg=0 busy=0
}

# --- a game ---------------------------------------------------------------
variant=0     # as the test chose it
stats_on=1    # all four sliders at 0 as applied
loaded=0      # credits loaded while statistics were on
deals=0       # Joker Poker evaluations while statistics were on
rb_tries=0 rb_wins=0 hl_tries=0 hl_wins=0
declare -A combos=([stp]=0 [str]=0 [stq]=0 [stk]=0 [sth]=0 [stf]=0 [sts]=0 [stt]=0 [std]=0)
declare -A combo_key=(["5 of a kind..."]=stp ["Royal Flush..."]=str ["Straight Flush..."]=stq ["4 of a kind..."]=stk
  ["Full House..."]=sth ["Flush..."]=stf ["Straight..."]=sts ["3 of a kind..."]=stt ["Two pairs..."]=std)
joker_multipliers=(300 150 80 40 12 9 7 5 3)
joker_keys=(stp str stq stk sth stf sts stt std)
JP_GAMES=0

load_credits() {
  local before
  idle 10
  before=$(f credits)
  press load
  idle 10 "credits=$((before + 100))"
  [ $stats_on = 1 ] && loaded=$((loaded + 100))
  return 0
}
# One game: the first deal, the machine's proposed holds (or the first
# card when it proposes none), the draw. Leaves LINE at the rest after it.
deal_and_draw() {
  idle 10
  if [ "$(f cover)" = 1 ]; then load_credits; fi
  local before
  before=$(f credits)
  press deal
  idle 30 "credits=$((before - 1))"
  [ $variant = 0 ] && [ $stats_on = 1 ] && deals=$((deals + 1))
  [ "${GAMES:-0}" = 0 ] && shot dealt
  GAMES=$((${GAMES:-0} + 1))
  if [ "$(f holds)" = 00000 ]; then
    press_card 1
    idle 10 holds=1....
  fi
  DRAW_CHARGED=1
  [ "$(f holds)" = 11111 ] && DRAW_CHARGED=0
  press deal
  idle 60
  [ $variant = 0 ] && [ $stats_on = 1 ] && deals=$((deals + 1))
  return 0
}
in_risk_game() { [ "$(f panel3)" = 1 ] || [ "$(f panel4)" = 1 ]; }
# Games until one wins into the risk game now chosen (at most N).
game_until_risk() {
  local n=$1 i
  for i in $(seq 1 "$n"); do
    deal_and_draw
    if in_risk_game; then
      local combo
      combo=$(f combo)
      if [ $variant = 0 ] && [ $stats_on = 1 ] && [ -n "${combo_key[$combo]:-}" ]; then
        combos[${combo_key[$combo]}]=$((${combos[${combo_key[$combo]}]} + 1))
      fi
      return 0
    fi
  done
  return 1
}
# The take-half buttons: half the win to the credits, half stays at stake.
take_half() {  # btn12|half1
  local w c
  w=$(f win) c=$(f credits)
  press "$1"
  idle 20
  check "credits after taking half of $w" "$(f credits)" $((c + w / 2))
  check "the win after taking half of $w" "$(f win)" $((w / 2))
}
# At the top of the ladder only the take is left.
rb_at_top() { [ "$(f panel3)" = 1 ] && [ "$(f rb)" = 00001 ]; }
hl_at_top() { [ "$(f panel4)" = 1 ] && [ "$(f p4)" = 001 ]; }
# Only where the button is there: the top of the ladder leaves the take alone.
take_half_if_offered() {
  local offered
  case $1 in btn12) offered=$(f rb) ;; *) offered=$(f p4) ;; esac
  if [ "${offered:0:1}" = 1 ]; then take_half "$1"; else note "at the top of the ladder: no half to take"; fi
}
take() {  # cash|cash1: the win (or the roulette's amount) to the credits
  local w c
  w=$(f win) c=$(f credits)
  [ "$1" = cash1 ] && [ "$(f rusrul)" = 1 ] && w=$(f rwin)
  local games=$JP_GAMES
  JP_PAID=0
  press "$1"
  idle 120
  # a qualifying hand opens the Jack Pot at the end of the take
  [ "$JP_GAMES" = "$games" ] || w=$((w + JP_PAID))
  check "credits after taking $w" "$(f credits)" $((c + w))
  check "the risk game after the take" "$(f panel3)$(f panel4)" 00
}
# One Red-Black guess; sets GUESS=right|wrong.
guess() {  # red|black
  local w c m
  w=$(f win) c=$(f credits) m=$(f maxwin)
  local games=$JP_GAMES
  press "$1"
  idle 120
  [ "$JP_GAMES" = "$games" ] || c=$((c + JP_PAID))  # a lost royal flush still opens the Jack Pot
  [ $stats_on = 1 ] && rb_tries=$((rb_tries + 1))
  if [ "$(f panel3)" = 1 ]; then
    GUESS=right
    [ $stats_on = 1 ] && rb_wins=$((rb_wins + 1))
    # doubled, never above the top, and the top's own amount once there
    local doubled=$((2 * w))
    { [ $doubled -gt "$m" ] || rb_at_top; } && doubled=$m
    check "the win after a right guess at $w" "$(f win)" "$doubled"
  else
    GUESS=wrong
    check "the win after a wrong guess" "$(f win)" 0
    check "credits after a wrong guess" "$(f credits)" "$c"
  fi
}
# One Higher-Lower step: the deal, then a pick; sets PICK=won|tie|lost.
pick() {  # PLACE 1..5
  local w c m
  press yes1
  idle 30 picks=11111
  [ "${HL_SHOT:-}" ] || { shot higherlower; HL_SHOT=1; }
  check "the face-down cards of Higher-Lower (the third back)" "$(f cards)" "R2,R2,R2,R2,R2"
  w=$(f win) c=$(f credits) m=$(f maxwin)
  local games=$JP_GAMES
  press_card "$1"
  idle 120
  [ "$JP_GAMES" = "$games" ] || c=$((c + JP_PAID))
  [ $stats_on = 1 ] && hl_tries=$((hl_tries + 1))
  if [ "$(f panel4)" = 0 ]; then
    PICK=lost
    check "credits after a lost pick" "$(f credits)" "$c"
  elif [ "$(f win)" = "$w" ]; then
    PICK=tie
  else
    PICK=won
    [ $stats_on = 1 ] && hl_wins=$((hl_wins + 1))
    local doubled=$((2 * w))
    { [ $doubled -gt "$m" ] || hl_at_top; } && doubled=$m
    check "the win after a higher card at $w" "$(f win)" "$doubled"
  fi
}
# A pull of the revolver; sets PULL=survived|shot|top and checks the rung.
pull() {
  local amount c n
  amount=$(f rwin) c=$(f credits) n=$(f pulls)
  press yes1
  idle 40
  if [ "$(f rusrul)" = 0 ]; then
    PULL=shot
    check "credits after the shot" "$(f credits)" "$c"
    # the red flash of the shot ("Отключить кровь" is not ticked)
    wait_any 1 0 "$(conds red=1)" || fail "the shot showed no red flash"
    return 0
  fi
  check "the drum after pull $((n + 1))" "$(f pulls)" $((n + 1))
  local rung
  case $((n + 1)) in
  1 | 2) rung=$(awk -v v="$amount" -v p=$((n == 0 ? 17 : 33)) 'BEGIN { printf "%d", v + (v / 100 * p + 1) }') ;;
  3) rung=$((2 * amount)) ;;
  4) rung=$((3 * amount)) ;;
  5) rung=$(f maxwin) ;;
  esac
  check "the roulette's amount after pull $((n + 1)) from $amount" "$(f rwin)" "$rung"
  PULL=survived
  [ "$(f p4)" = 001 ] && PULL=top
  return 0
}

# The credits a game without a risk game brought, C before its first deal
# and JP the Jack Pot windows before it: a win is paid at once and counted
# into the combinations.
count_plain_game() {  # C JP
  local gain i found
  gain=$(($(f credits) - ($1 - 1 - DRAW_CHARGED)))
  [ "$JP_GAMES" != "$2" ] && gain=$((gain - JP_PAID))
  if [ $gain -gt 0 ]; then
    found=
    for i in "${!joker_multipliers[@]}"; do
      if [ "${joker_multipliers[$i]}" = $gain ]; then
        combos[${joker_keys[$i]}]=$((${combos[${joker_keys[$i]}]} + 1))
        found=1
      fi
    done
    [ -n "$found" ] || fail "a Joker Poker win of $gain at bet 1 with no risk game"
    note "Joker Poker without a risk game: $gain credited at once"
  fi
  check "the risk game after a win without one" "$(f panel3)$(f panel4)" 00
}

# The Jack Pot window: the count-up skipped with a key, then the joker
# looked for under the first card, the second, the third until the window
# closes. Sets JP_OPEN (the amount played for), JP_PAID, JP_ROUNDS.
play_jackpot() {
  local i round
  window_of '^Jack Pot' || fail "no Jack Pot window"
  local jx=$WX jy=$WY
  JP_GAMES=$((JP_GAMES + 1))
  local credits_before
  credits_before=$(f credits)
  [ "$JP_GAMES" = 1 ] && shot jackpot-countup
  for i in 1 2 3 4 5 6; do
    act key space
    wait_any 3 0 "$(conds jp=1 jpcount=0 jpfind=1 jpyes=1)" && break
    [ $i = 6 ] && fail "the Jack Pot window did not take a key"
  done
  JP_OPEN=$(f jpamount)
  JP_ROUNDS=0
  for round in 1 2 3; do
    SINCE=$(line_seq)
    for i in 1 2 3; do
      act mousemove $((jx + 90 + 144 * (round - 1))) $((jy + 158)) click 1
      wait_any 3 0 "$(conds jp=1 jpyes=2)" && break
      [ $i = 3 ] && fail "the Jack Pot's card $round did not take the click"
    done
    [ "$JP_GAMES" = 1 ] && [ $round = 1 ] && shot jackpot-guess
    SINCE=$(line_seq)
    act mousemove $((jx + 232)) $((jy + 320)) click 1
    JP_ROUNDS=$round
    wait_any 90 0 "$(conds jp=0)" "$(conds jp=1 jphits="$round" jpyes=1 jppaying=0 wait=0)" ||
      fail "the Jack Pot's guess $round did not end"
    [ "$WHICH" = 1 ] && break
  done
  [ "$WHICH" = 1 ] || fail "the Jack Pot window stayed after three guesses"
  JP_PAID=$(($(f credits) - credits_before))
  note "Jack Pot of $JP_OPEN: $JP_ROUNDS guesses, $JP_PAID paid"
  # the line of the closed window may already be the rest the caller waits for
  SINCE=$(($(line_seq) - 1))
}

# ==========================================================================
note "starting $bin"
app_env "$bin" >"$here/app.out" 2>&1 &
app=$!
main=
for _ in $(seq 1 300); do
  window_of '^Talvern$' && [ "$WW" -ge 800 ] && main=$WIN && break
  main=
  alive || fail "the program ended at its start: $(tail -n 5 "$here/app.out")"
  sleep 0.1
done
[ -n "$main" ] || fail "no cabinet window"
MX=$WX MY=$WY MW=$WW MH=$WH
SINCE=0
await 20 intro=1 credits=0 cover=1 "jackpot=10000" "receipt=1,0,0,0,0"
shot intro
press intro
idle 10 intro=0

# --- help -----------------------------------------------------------------
key F1
for _ in $(seq 1 50); do [ -s "$here/opened.txt" ] && break; sleep 0.1; done
help_url=$(head -n 1 "$here/opened.txt" 2>/dev/null || true)
case $help_url in
file://*/help/index.html) [ -f "${help_url#file://}" ] || fail "F1 opened $help_url, which is not there" ;;
*) fail "F1 opened '$help_url', not the local help page" ;;
esac
if [ -n "$viewer" ]; then
  for _ in $(seq 1 200); do grep -q '^loaded' "$here/viewer.out" 2>/dev/null && break; sleep 0.1; done
  grep -q '^loaded 1' "$here/viewer.out" || fail "the help page did not load: $(cat "$here/viewer.out" "$here/viewer.err" 2>/dev/null | tail -n 5)"
  sleep 0.5
  window_of '^Talvern help viewer' && import -window "$WIN" "$shots/help.png"
  note "help: F1 showed \"$(sed 's/^loaded 1 //' "$here/viewer.out")\""
  kill "$(cat "$here/viewer.pid")" 2>/dev/null || true
  : >"$here/viewer.pid"
  for _ in $(seq 1 50); do window_of '^Talvern help viewer' || break; sleep 0.1; done
fi
press help
for _ in $(seq 1 50); do [ "$(wc -l <"$here/opened.txt")" -ge 2 ] && break; sleep 0.1; done
check "the page of помощь" "$(sed -n 2p "$here/opened.txt")" \
  "https://talvern.ostrel.example/ru/index.php?option=com_content&view=article&id=13"

# --- Joker Poker and Red-Black, statistics on -----------------------------
open_settings
shot settings-risk
choose_back 3   # shown from the next face-down cards on (Higher-Lower's deal)
close_settings
load_credits
load_credits
load_credits
check "credits after three loads" "$(f credits)" 300
if game_until_risk 15; then
  note "Joker Poker: $(f combo) wins $(f win); Red-Black"
  shot redblack
  if rb_at_top; then
    take cash
  else
    [ "$(f win)" -ge 2 ] && take_half_if_offered btn12
    guess red
    note "Red-Black at the machine's chance: the guess is $GUESS"
    [ $GUESS = right ] && take cash
  fi
else
  note "Joker Poker: no win in 15 games"
fi

# --- Deuces Wild and Higher-Lower, statistics on --------------------------
open_settings
check "this run's Red-Black figures in the dialog" "$(f rbrun)" "$rb_tries/$rb_wins"
check "the deals in the dialog" "$(f deals)" "$deals"
tab 4
shot settings-statistics
set_variant 2
variant=2
set_risk 1
close_settings
check "the top line of Deuces Wild" "$(f l1)/$(f lv1)/$(f line10)" "Royal Flush (Natural)/250/1"
if game_until_risk 15; then
  note "Deuces Wild: $(f combo) wins $(f win); Higher-Lower"
  if ! hl_at_top; then
    pick 3
    note "Higher-Lower at the machine's chance: the pick is $PICK"
  fi
  in_risk_game && take cash1
else
  note "Deuces Wild: no win in 15 games"
fi

# --- Jack or Better with the fortune sliders (statistics off) -------------
open_settings
check "this run's Higher-Lower figures in the dialog" "$(f hlrun)" "$hl_tries/$hl_wins"
counted_credits=$(f credits)
counted_jackpot=$(f jackpot)
set_variant 1
variant=1
set_risk 0
set_slider 0 End
set_slider 1 End
set_slider 2 End
set_slider 3 End
shot settings-fortune
close_settings
stats_on=0
check "the top line of Jack or Better" "$(f l1)/$(f lv1)/$(f line10)" "Royal Flush/250/0"

# Red-Black won (and half taken), the test hand, the take and the Jack Pot.
# A hand that goes to the top at once has no guess: it is taken, and the
# next game tries again.
done_jackpot=
for try in 1 2 3 4 5 6; do
  game_until_risk 8 || fail "Jack or Better at +100: no win in 8 games"
  rb_at_top && { take cash; continue; }
  guess red
  [ $GUESS = right ] || { note "Red-Black at +100 lost all the same (one time in 101)"; continue; }
  top=$(f maxwin)
  press testhand
  idle 20 "msg=Ура-а-а!!"
  case $(f cards) in AH?,AB?,PP?,AK?,AV?) ;; *) fail "the test hand shows $(f cards)" ;; esac
  check "the win at the top after the test hand" "$(f win)" "$top"
  shot testhand
  c=$(f credits)
  games_jp=$JP_GAMES
  press cash
  idle 120
  check "Jack Pot windows after the take" "$JP_GAMES" $((games_jp + 1))
  check "the Jack Pot found three times" "$JP_ROUNDS/$JP_PAID" "3/$JP_OPEN"
  check "credits after the take and the Jack Pot" "$(f credits)" $((c + top + JP_OPEN))
  check "the Jack Pot after it was taken whole" "$(f jackpot)" 10000
  done_jackpot=1
  break
done
[ -n "$done_jackpot" ] || fail "no Red-Black win to play the test hand from"
note "Red-Black won at +100; test hand taken at $top; Jack Pot of $JP_OPEN found three times"
# The take reset the board with Red-Black chosen: the next win has its
# take-half button.
for try in 1 2 3 4; do
  game_until_risk 8 || fail "Jack or Better at +100: no win in 8 games"
  { rb_at_top || [ "$(f win)" -lt 2 ]; } && { take cash; continue; }
  break
done
check "Red-Black's buttons after a reset with Red-Black chosen" "$(f rb)" 11111
take_half btn12
take cash
note "Red-Black: half taken, then the rest"

# Higher-Lower won, half taken, taken.
open_settings
set_risk 1
close_settings
won=
for try in 1 2 3 4 5 6; do
  game_until_risk 8 || fail "Jack or Better at +100: no win in 8 games"
  hl_at_top && { take cash1; continue; }
  for step in 1 2 3 4 5 6; do
    pick 1
    [ $PICK = tie ] || break
  done
  [ $PICK = won ] && { won=1; break; }
  note "Higher-Lower at +100: the pick is $PICK"
  in_risk_game && take cash1
done
[ -n "$won" ] || fail "Higher-Lower at +100 was never won"
take_half_if_offered half1
# On to the top: at +100 every pick is higher (or a tie) but for a roll of
# 100 in 101.
for step in $(seq 1 14); do
  hl_at_top && break
  pick 1
  [ $PICK = lost ] && break
done
if [ $PICK = lost ]; then
  note "Higher-Lower at +100 lost on the way up all the same (one time in 101)"
else
  hl_at_top || fail "Higher-Lower at +100 did not reach the top in 14 picks"
  check "the win at the top of Higher-Lower" "$(f win)" "$(f maxwin)"
  check "the message at the top" "$(f msg)" ""
  shot higherlower-top
  take cash1
  note "Higher-Lower won at +100, half taken, climbed to the top and taken"
fi

# Russian Roulette: a pull and the take, then pulls until the shot.
open_settings
set_risk 2
close_settings
game_until_risk 8 || fail "Jack or Better at +100: no win in 8 games"
shot roulette
v=$(f win)
check "the roulette's amount at the start" "$(f rwin)/$(f ladder)" "$v/2"
a1=$(awk -v v="$v" 'BEGIN { printf "%d", v + (v / 100 * 17 + 1) }')
a2=$(awk -v v="$a1" 'BEGIN { printf "%d", v + (v / 100 * 33 + 1) }')
check "the roulette's top" "$(f maxwin)" $((42 * a2))
pull
check "the first pull" "$PULL" survived
take cash1
shot_seen=
for try in 1 2 3 4 5 6; do
  game_until_risk 8 || fail "Jack or Better at +100: no win in 8 games"
  pulls=0
  while :; do
    pull
    pulls=$((pulls + 1))
    [ $PULL = survived ] || break
  done
  [ $PULL = shot ] && { shot_seen=1; break; }
  note "Russian Roulette: all five pulls came through; taken"
  take cash1
done
[ -n "$shot_seen" ] || fail "the revolver never fired in six games"
note "Russian Roulette won after a pull and taken; lost at pull $pulls"

# Red-Black and Higher-Lower at -100: lost.
open_settings
set_risk 0
set_slider 1 Home
set_slider 2 Home
close_settings
lost=
for try in 1 2 3 4; do
  game_until_risk 8 || fail "Jack or Better at +100: no win in 8 games"
  for g in 1 2 3 4 5 6 7; do
    rb_at_top && { take cash; break; }
    guess black
    [ $GUESS = wrong ] && { lost=1; break; }
  done
  [ -n "$lost" ] && break
  in_risk_game && take cash
done
[ -n "$lost" ] || fail "Red-Black at -100 was never lost"
open_settings
set_risk 1
close_settings
lost=
for try in 1 2 3 4; do
  game_until_risk 8 || fail "Jack or Better at +100: no win in 8 games"
  for step in 1 2 3 4 5 6 7 8; do
    hl_at_top && { take cash1; break; }
    pick 5
    [ $PICK = lost ] && { lost=1; break; }
  done
  [ -n "$lost" ] && break
  in_risk_game && take cash1
done
[ -n "$lost" ] || fail "Higher-Lower at -100 was never lost"
note "Red-Black and Higher-Lower lost at -100"

# --- back to the counted figures, statistics on ---------------------------
open_settings
all_to_zero
set_risk 5
set_variant 0
variant=0
tick_offer
close_settings
stats_on=1
check "credits when the sliders are back at 0" "$(f credits)" "$counted_credits"
check "the Jack Pot when the sliders are back at 0" "$(f jackpot)" "$counted_jackpot"
check "the top line of Joker Poker" "$(f l1)/$(f lv1)/$(f line10)" "5 of a kind/300/0"
load_credits
for g in 1 2; do
  idle 10
  c=$(f credits)
  JP_PAID=0
  games_jp=$JP_GAMES
  deal_and_draw
  count_plain_game "$c" "$games_jp"
done

# --- the expert at the player's side ----------------------------------------
[ -x "$odds" ] || fail "no talvern-odds to check the hint against (third argument)"
open_settings
tab 3
pclick 484 255  # "Подсказка: лучшая игра"
pclick 484 288  # "Тренер: предупреждать об ошибках"
pclick 484 320  # "Игра с клавиатуры"
settled 10 expert=111
shot settings-expert
close_settings

# The first deal with the hint: talvern-odds hold's first line for the hand
# on the table, marked on the cards and stated at the bet.
expert_deal() {  # press|key
  idle 10
  [ "$(f cover)" = 1 ] && load_credits
  EXPERT_CREDITS=$(f credits)
  EXPERT_JP=$JP_GAMES
  JP_PAID=0
  if [ "$1" = key ]; then key Return; else press deal; fi
  idle 30 "credits=$((EXPERT_CREDITS - 1))" "advice=[01][01][01][01][01]"
  deals=$((deals + 1))
  local cards first net shown
  cards=$(f hand | tr ',' ' ')
  # shellcheck disable=SC2086
  first=$("$odds" hold joker $cards | sed -n 2p)
  check "the hint for the hand $cards" "$(f advice)" "${first:0:5}"
  net=$(sed -n 's/.* net=\([-0-9.]*\) .*/\1/p' <<<"$first")
  shown=$(f hint | sed -n 's/.*в среднем чистыми \([-+0-9,]*\) кредита.*/\1/p' | tr , .)
  awk -v a="$net" -v b="$shown" 'BEGIN { d = a - b; exit !(d < 0.0050001 && d > -0.0050001) }' ||
    fail "the hint states $shown credits, talvern-odds $net ($(f hint))"
}
# Draws (the trainer lets the best play go without a question) and counts
# the game. Leaves LINE at the rest after it.
expert_draw() {  # press|key
  DRAW_CHARGED=1
  [ "$(f holds)" = 11111 ] && DRAW_CHARGED=0
  if [ "$1" = key ]; then key Return; else press deal; fi
  idle 60
  [ "$(f modal)" = - ] || fail "a question after the draw: $(f box)"
  deals=$((deals + 1))
  count_plain_game "$EXPERT_CREDITS" "$EXPERT_JP"
}

expert_deal press
shot hint
advice=$(f advice)
# A hold the hint does not keep: the first card the other way round.
costly=$([ "${advice:0:1}" = 1 ] && echo 0 || echo 1)${advice:1}
for p in 1 2 3 4 5; do
  [ "$(f holds | cut -c$p)" = "$(cut -c$p <<<"$costly")" ] || { key "$p"; idle 10; }
done
check "the holds the trainer is asked about" "$(f holds)" "$costly"
press deal
if wait_any 30 0 "$(conds 'box=Лучше оставить.*Менять карты так\?')" "$(conds busy=0 wait=0 modal=- jp=0)" &&
  [ "$WHICH" = 1 ]; then
  shot trainer
  for i in 1 2 3 4 5; do
    act key Escape  # "Нет": back to the holds
    wait_any 3 0 "$(conds modal=- busy=0)" && break
    [ $i = 5 ] && fail "the trainer's question did not take its key"
  done
  check "credits after the trainer's No" "$(f credits)" $((EXPERT_CREDITS - 1))
  check "the holds after the trainer's No" "$(f holds)" "$costly"
  check "the hint after the trainer's No" "$(f advice)" "$advice"
  key F2
  idle 10 "holds=$advice"
  expert_draw key
  note "the trainer asked about $costly, the hint's $advice held by F2 and drawn"
else
  # the other way round cost less than a rounding: drawn as it stood
  deals=$((deals + 1))
  DRAW_CHARGED=1
  count_plain_game "$EXPERT_CREDITS" "$EXPERT_JP"
  note "holding $costly cost less than a rounding: no question"
fi

# A game by keyboard alone: the bet up and down, a load, the deal, the
# hint's cards held by their number keys, the draw.
idle 10
bet=$(f bet)
key plus
idle 10 "bet=2"
key minus
idle 10 "bet=$bet"
before=$(f credits)
key Insert
idle 10 "credits=$((before + 100))"
loaded=$((loaded + 100))
expert_deal key
want=$(f advice)
for p in 1 2 3 4 5; do
  [ "$(f holds | cut -c$p)" = "$(cut -c$p <<<"$want")" ] || { key "$p"; idle 10; }
done
check "the holds by the number keys" "$(f holds)" "$want"
expert_draw key
open_settings
# two draws weighed, both the best play (the "Нет" drew nothing)
check "the trainer's figures of this run" "$(f trainer)" "2/0/0"
trainer_figures=$(f trainer)
close_settings
note "the expert: hints as talvern-odds gives them, a game by keys; the trainer counted $trainer_figures"

# --- the exit -------------------------------------------------------------
idle 10
taken=$(f credits)
bonus=$(f bonus)
jackpot=$(f jackpot)
press quit
await 20 "box=Закончить\?"
for i in 1 2 3 4 5; do
  act key Return
  wait_any 3 0 "$(conds modal=Form4)" && break
  [ $i = 5 ] && fail "the question did not take its key"
done
sleep 0.5
shot receipt
settled 5 modal=Form4
receipt=$(f receipt)
check "the credits display on leaving" "$(f credits)" 0
won=$((taken > loaded ? taken - loaded : 0))
lost=$((taken < loaded ? loaded - taken : 0))
check "the receipt (run, loaded, taken, won, lost)" "$receipt" "1,$loaded,$taken,$won,$lost"
for i in 1 2 3 4 5; do
  act key space
  wait_any 3 0 "$(conds "box=Сыграем еще\?")" && break
  [ $i = 5 ] && fail "the receipt did not take its key"
done
for i in 1 2 3 4 5; do
  act key Escape
  for _ in $(seq 1 30); do alive || break 2; sleep 0.1; done
done
alive && fail "the program did not end after the receipt"
rc=0
wait "$app" || rc=$?
app=
[ $rc = 0 ] || fail "the program ended with status $rc: $(grep -v 'audio device' "$here/app.out" | tail -n 5)"
note "left with $taken credits: receipt $receipt"

# --- what it left ---------------------------------------------------------
[ -f "$conf" ] || fail "no settings file"
ini() {  # GROUP KEY
  awk -F= -v g="[$1]" -v k="$2" '/^\[/ { in_g = ($0 == g); next } in_g && $1 == k { print substr($0, length(k) + 2); exit }' "$conf"
}
check_ini() { check "$1/$2 in the settings file" "$(ini "$1" "$2")" "$3"; }
check_ini vol 1 2          # Higher-Lower chosen last; no risk game stores nothing
check_ini vol 2 2
check_ini vol 3 3
check_ini vol exit 1
check_ini vol num 1
check_ini vol screen 0
check_ini vol format "$jackpot"
check_ini vol bon "$bonus"
for k in bon1 bon2 bon3; do check_ini vol $k 0; done
for k in scrw scrh scrp; do check_ini vol $k 0; done
check_ini stat stdeal "$deals"
for k in "${!combos[@]}"; do check_ini stat "$k" "${combos[$k]}"; done
check_ini stat strba "$rb_tries"
check_ini stat strbv "$rb_wins"
check_ini stat stbsa "$hl_tries"
check_ini stat stbsv "$hl_wins"
check_ini stat stexd "${trainer_figures%%/*}"
check_ini vol hint 1
check_ini vol trainer 1
check_ini vol keys 1
check_ini stat stcst "$loaded"
check_ini stat stcto "$taken"
check_ini stat stcw "$lost"   # the machine's side: loaded beyond what was taken
check_ini stat stcl "$won"

[ -f "$log" ] || fail "no stat.log"
# Windows-1251 with CR LF: a first run's log is an empty line and one block.
LC_ALL=C grep -q $'\xc8\xe3\xf0\xe0 \xed\xee\xec\xe5\xf0' "$log" || fail "stat.log is not in Windows-1251"
lines=$(wc -l <"$log")
crlf=$(LC_ALL=C grep -c $'\r$' "$log")
check "lines of stat.log ended by CR LF" "$crlf/$lines" "9/9"
text=$(iconv -f CP1251 -t UTF-8 "$log" | tr -d '\r')
stamp='[0-9][0-9]\.[0-9][0-9]\.20[0-9][0-9], [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'
expect_line() {  # N REGEX
  sed -n "$1p" <<<"$text" | grep -qx "$2" || fail "stat.log line $1 is '$(sed -n "$1p" <<<"$text")', expected /$2/"
}
expect_line 1 ''
expect_line 2 '\*\{38\}'
expect_line 3 "Talvern включен - $stamp"
expect_line 4 'Игра номер  1'
expect_line 5 "Заряжено кредитов $loaded"
expect_line 6 "Снято кредитов $taken"
expect_line 7 "Вы выиграли $won"
expect_line 8 "Вы проиграли $lost"
expect_line 9 "Talvern выключен - $stamp"

note "settings file and stat.log as played: loaded $loaded, taken $taken, deals $deals," \
  "Red-Black $rb_tries/$rb_wins, Higher-Lower $hl_tries/$hl_wins"

[ -s "$recall" ] || fail "no recall.jsonl"
for kind in '"variant":"joker"' '"variant":"jacks"' '"variant":"deuces"' '"risk":"redblack"' \
  '"risk":"higherlower"' '"risk":"roulette"' '"k":"jackpot-guess"' '"k":"testhand"' '"counted":false'; do
  grep -qF "$kind" "$recall" || fail "recall.jsonl has no game with $kind"
done
if [ -n "$odds" ]; then
  replayed=$("$odds" replay "$recall") || fail "talvern-odds replay finds a difference:
$(grep -v ': ok$' <<<"$replayed")"
  summary=$(tail -n 1 <<<"$replayed")
  games_recalled=$(wc -l <"$recall")
  check "talvern-odds replay" "$summary" "replayed $games_recalled games, 0 differ"
  note "recall.jsonl: $summary"
fi
echo "whole machine: $((SECONDS - t_start)) s, every check passed"
