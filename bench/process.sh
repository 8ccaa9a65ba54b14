#!/usr/bin/env bash
# Whole-process figures of Vemo beside vemo_floor (the least a Qt window of
# the same shape costs), each started several times on a private Xvfb with
# openbox; prints the medians and their ratios.
#
#   start-up   exec to the first visible window of the process, in ms
#   memory     VmRSS 5 s after exec, in MiB
#   idle       CPU over 10 s at the start screen, % of one core
#   blocks     CPU over 10 s of a falling-block game at level 5 (F5, and F5
#              again after 5 s: with no keys the pile may reach the top in 10 s)
#   snake      CPU over 10 s of a snake game at level 5 on a 20 x 20 field,
#              paused and resumed (Ctrl+F5, Del, Del): the whole field is
#              redrawn every 10 ms after a resume
#
# The floor gets the same keys and the same measuring windows; its 10 ms
# timer runs all the time.
#
# Usage: bench/process.sh [BUILD_DIR] [RUNS] [startup]   (defaults: build, 5)
# With "startup", only the start-up is measured, RUNS times each (quick, so
# it can be run often enough to see past the noise).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath "${1:-$root/build}")
runs=${2:-5}
mode=${3:-all}
vemo=$build/vemo
floor=$build/bench/vemo_floor
for p in "$vemo" "$floor"; do
  [ -x "$p" ] || { echo "missing $p (build the targets vemo and vemo_floor)" >&2; exit 2; }
done
for t in Xvfb openbox xdotool xprop; do
  command -v "$t" >/dev/null || { echo "missing $t" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# No sound server here: keep ALSA quiet when a row is cleared.
export ALSA_CONFIG_PATH=$root/tests/e2e/asound-null.conf
tick=$(getconf CLK_TCK)

# A private X server on a free display, 24 bits (Vemo refuses 16), with a
# window manager that stays connected so that the server never resets.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

now_us() { local t=${EPOCHREALTIME/./}; echo $((10#$t)); }
cpu_ticks() { local s; s=$(<"/proc/$1/stat"); s=${s##*) }; awk '{print $12 + $13}' <<<"$s"; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
window_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1 || true; }

# CPU of a process over `seconds`, in % of one core.
cpu_over() {
  local pid=$1 seconds=$2 c0 c1 t0 t1
  c0=$(cpu_ticks "$pid"); t0=$(now_us)
  sleep "$seconds"
  c1=$(cpu_ticks "$pid"); t1=$(now_us)
  awk -v c=$((c1 - c0)) -v t=$((t1 - t0)) -v hz="$tick" 'BEGIN { printf "%.2f", 100 * c / hz / (t / 1e6) }'
}

# A pixel of the screen as "#rrggbb" (empty without ImageMagick).
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | awk 'NR == 2 {print $3}' || true; }
# The screen position of the head's test pixel when it waits at the right
# border of a 20 x 20 snake field, in row 0: (341, 95) of the game's surface,
# which lies under the window's menu bar.
head_pixel() {
  local x y
  read -r x y < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Height:/ {h = $2} END {print x + 341, y + h - 476 + 95}')
  pixel "$x" "$y"
}
# A message box (a game over) would take the keys meant for the game.
only_window() { [ "$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l)" -le 1 ]; }

keys() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  shift
  xdotool key --delay 150 "$@"
}

# A working directory with a records file: a first run of Vemo writes one on
# Ctrl+Q (after the box about the missing file). Its line 12, counting from 0,
# is the snake field's side.
make_data() {
  local dir=$work/template pid win
  mkdir -p "$dir"
  (cd "$dir" && exec "$vemo") >"$work/first.log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do win=$(window_of "$pid"); [ -n "$win" ] && break; sleep 0.1; done
  sleep 3
  xdotool key Return
  sleep 1
  keys "$(window_of "$pid")" ctrl+q
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -s "$dir/data" ] || { echo "Vemo wrote no data file" >&2; cat "$work/first.log" >&2; exit 1; }
  sed -i '13s/^[0-9]*/20/' "$dir/data"
}

# Starts a program in a directory; sets pid, win and t0, t1 (exec and the
# first visible window, in microseconds).
start() {
  local program=$1 dir=$2
  t0=$(now_us)
  (cd "$dir" && exec "$program") >"$dir/log" 2>&1 &
  pid=$!
  until win=$(window_of "$pid") && [ -n "$win" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "$program died" >&2; cat "$dir/log" >&2; exit 1; }
    (($(now_us) - t0 < 30000000)) || { echo "$program showed no window" >&2; exit 1; }
  done
  t1=$(now_us)
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# A start-up alone: prints its time in ms.
measure_startup() {
  local pid t0 t1 win
  start "$1" "$2"
  sleep 0.5
  stop
  awk -v s=$((t1 - t0)) 'BEGIN { printf "%.1f\n", s / 1000 }'
}

# One run: prints "startup_ms rss_mib idle blocks snake".
measure() {
  local program=$1 dir=$2 pid t0 t1 win rss idle background first second blocks snake
  start "$program" "$dir"
  sleep "$(awk -v t=$((t0 + 5000000 - $(now_us))) 'BEGIN { print (t > 0 ? t / 1e6 : 0) }')"
  rss=$(rss_kb "$pid")
  idle=$(cpu_over "$pid" 10)
  background=$(head_pixel "$win")
  # A click gets past the intro if it still shows; then a falling-block game,
  # started twice so that its pile never reaches the top.
  xdotool mousemove --window "$win" 400 300 click 1
  sleep 0.3
  keys "$win" F5
  first=$(cpu_over "$pid" 5)
  keys "$win" F5
  second=$(cpu_over "$pid" 5)
  blocks=$(awk -v a="$first" -v b="$second" 'BEGIN { printf "%.2f", (a + b) / 2 }')
  if [ "$program" = "$vemo" ]; then
    xdotool getwindowname "$win" | grep -q 'score' || echo "warning: no game running in $dir" >&2
    only_window "$pid" || echo "warning: a message box in the falling-block game in $dir" >&2
  fi
  keys "$win" ctrl+F5
  sleep 0.3
  keys "$win" Delete
  sleep 0.3
  keys "$win" Delete
  sleep 0.5
  snake=$(cpu_over "$pid" 10)
  if [ "$program" = "$vemo" ] && [ "$(head_pixel "$win")" = "$background" ]; then
    echo "warning: no snake waiting at x = 19 in $dir" >&2
  fi
  keys "$win" ctrl+q
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  stop
  awk -v s=$((t1 - t0)) -v r="$rss" -v i="$idle" -v b="$blocks" -v n="$snake" \
    'BEGIN { printf "%.1f %.1f %s %s %s\n", s / 1000, r / 1024, i, b, n }'
}

make_data
if [ "$mode" = startup ]; then
  for run in $(seq "$runs"); do
    order=(vemo floor)
    ((run % 2 == 0)) && order=(floor vemo)
    for name in "${order[@]}"; do
      program=$vemo
      [ "$name" = floor ] && program=$floor
      measure_startup "$program" "$work/template" >>"$work/$name.txt"
    done
  done
  v=$(sort -g "$work/vemo.txt" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  f=$(sort -g "$work/floor.txt" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  awk -v v="$v" -v f="$f" -v n="$runs" 'BEGIN {
    printf "start-up to first window, median of %d: vemo %.1f ms, floor %.1f ms, ratio %.2f (target <= 1.25)\n", n, v, f, v / f }'
  exit 0
fi
echo "run program   start-up_ms  rss_MiB  idle_%  blocks_%  snake_%"
for run in $(seq "$runs"); do
  # Alternate the order, so that neither always starts on a warmer system.
  order=(vemo floor)
  ((run % 2 == 0)) && order=(floor vemo)
  for name in "${order[@]}"; do
    dir=$work/$name-$run
    cp -r "$work/template" "$dir"
    program=$vemo
    [ "$name" = floor ] && program=$floor
    line=$(measure "$program" "$dir")
    echo "$line" >>"$work/$name.txt"
    printf '%-3s %-9s %s\n' "$run" "$name" "$line"
  done
done

median() { cut -d' ' -f"$2" "$work/$1.txt" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
echo
echo "medians of $runs runs                     vemo     floor    ratio  target"
row() {
  local label=$1 col=$2 target=$3 v f
  v=$(median vemo "$col"); f=$(median floor "$col")
  awk -v l="$label" -v v="$v" -v f="$f" -v t="$target" 'BEGIN {
    r = f > 0 ? v / f : (v > 0 ? "inf" : 1)
    ok = (r == "inf") ? 0 : r <= t + 0
    printf "%-36s %8.2f %8.2f %8s  <= %-4s %s\n", l, v, f, (r == "inf" ? r : sprintf("%.2f", r)), t, ok ? "ok" : "OVER"
  }'
}
row "start-up to first window, ms" 1 1.25
row "VmRSS after 5 s, MiB" 2 1.25
row "CPU idle at the start screen, %" 3 1
row "CPU falling-block game, level 5, %" 4 2
row "CPU snake 20x20 after resume, %" 5 2
