#!/usr/bin/env bash
# End-to-end check of the real program on an X server (run it under xvfb-run
# with a 1280x1024x24 screen): the main window's size, place and fixed frame,
# a screenshot, and keys typed with the Russian layout active reaching the
# menu and the game.
#
# Usage: window.sh PATH/TO/vemo
set -uo pipefail

program=$(realpath "${1:-build/vemo}")
work=$(mktemp -d)
pids=()
failures=0

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# Polls a command until it succeeds or `seconds` pass.
wait_for() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS >= end)) && return 1
    sleep 0.2
  done
}

[ -n "${DISPLAY:-}" ] || { echo "no X display; run under xvfb-run"; exit 2; }
[ -x "$program" ] || { echo "no program at $program"; exit 2; }

# A window manager: it keeps the X server's settings while it is connected
# and is what honours (or not) the window's size hints.
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# Until it is connected, the server may reset whenever a client leaves.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 20 wm_running || { echo "window manager did not start"; exit 2; }

# The program writes its data file into its working directory.
(cd "$work" && exec "$program") >"$work/vemo.log" 2>&1 &
vemo=$!
pids+=($vemo)

# Message boxes are titled "Vemo" too; the main window is the one 639 wide.
find_main_window() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Vemo$' 2>/dev/null); do
    if xdotool getwindowgeometry "$id" | grep -q 'Geometry: 639x'; then
      window=$id
      return 0
    fi
  done
  return 1
}
wait_for 30 find_main_window || { echo "main window did not appear"; cat "$work/vemo.log"; exit 1; }
pass "main window $window"

visible_windows() { xdotool search --onlyvisible --pid "$vemo" 2>/dev/null | wc -l; }
only_main_window() { [ "$(visible_windows)" -eq 1 ]; }
popup_open() { [ "$(visible_windows)" -ge 2 ]; }

# The frame of a window, title bar included: frame_x, frame_y, frame_w,
# frame_h and frame_top (the title bar's side), and whether it is centred on
# the 1280 x 1024 screen, give or take the rounding.
read_frame() {
  local id=$1 x y left right bottom
  x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $4}')
  eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
  read -r left right frame_top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  frame_x=$((x - left)) frame_y=$((y - frame_top))
  frame_w=$((WIDTH + left + right)) frame_h=$((HEIGHT + frame_top + bottom))
}
frame_centred() {
  read_frame "$1"
  local cx=$((2 * frame_x + frame_w)) cy=$((2 * frame_y + frame_h))  # twice the centre
  ((frame_top > 0 && cx >= 1278 && cx <= 1282 && cy >= 1022 && cy <= 1026))
}

# Let the start-up sequence finish; a message box from it (no data file)
# would keep the menu from the keyboard, so close it. It stands where every
# window of the program stands, in the middle of the screen.
sleep 3
start_box=$(for id in $(xdotool search --onlyvisible --name '^Vemo$' 2>/dev/null); do
  [ "$id" != "$window" ] && echo "$id"; done | head -1)
if [ -z "$start_box" ]; then
  fail "no message box at the start without a data file"
elif frame_centred "$start_box"; then
  pass "the start-up message box is centred on the screen"
else
  fail "the start-up message box's frame ${frame_w}x${frame_h} at $frame_x,$frame_y is not centred"
fi
for _ in 1 2 3; do
  only_main_window && break
  xdotool key Return
  sleep 1
done
only_main_window || fail "a window besides the main one stays open"

# Size: the client area is 639 x 476 under a menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_height=$((HEIGHT - 476))
if [ "$WIDTH" -eq 639 ] && [ "$menu_height" -ge 15 ] && [ "$menu_height" -le 40 ]; then
  pass "window ${WIDTH}x${HEIGHT}, menu bar $menu_height px"
else
  fail "window is ${WIDTH}x${HEIGHT}, expected 639 x (476 + menu bar)"
fi
client_x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
client_y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
surface_y=$((client_y + menu_height))

# Place: the frame, title bar included, centred on the 1280 x 1024 screen.
if frame_centred "$window"; then
  pass "frame ${frame_w}x${frame_h} centred at $(((2 * frame_x + frame_w) / 2)),$(((2 * frame_y + frame_h) / 2))"
else
  fail "frame ${frame_w}x${frame_h} at $frame_x,$frame_y: its centre is not the screen's"
fi

# Fixed size: min = max in the size hints, and the window manager keeps it.
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
min=$(sed -n 's/.*minimum size: \(.*\)/\1/p' <<<"$hints")
max=$(sed -n 's/.*maximum size: \(.*\)/\1/p' <<<"$hints")
[ -n "$min" ] && [ "$min" = "$max" ] && pass "size hints min = max = $min" || fail "size hints min '$min' max '$max'"
if xprop -id "$window" _NET_WM_ALLOWED_ACTIONS | grep -q -e _NET_WM_ACTION_MAXIMIZE -e _NET_WM_ACTION_RESIZE; then
  fail "the window manager allows resizing or maximising"
fi
xdotool windowsize "$window" 900 700
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 639 ] && [ "$HEIGHT" -eq $((476 + menu_height)) ] && pass "resize refused" || fail "resized to ${WIDTH}x${HEIGHT}"

# Screenshot of the whole screen.
import -window root "$work/screen.png" && [ "$(identify -format '%wx%h' "$work/screen.png")" = 1280x1024 ] &&
  pass "screenshot" || fail "screenshot"

# The fire picture at (490, 380) of the client area: it shows the speed level.
fire_crop() { import -window root -crop "149x96+$((client_x + 490))+$((surface_y + 380))" +repage "$work/$1.png"; }

# From here on, the Russian layout.
setxkbmap ru || fail "setxkbmap ru"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.5

# Alt alone must not park the menu bar in keyboard mode: Down stays the game's.
xdotool key alt
sleep 0.3
xdotool key Down
sleep 0.5
only_main_window && pass "Alt then Down opens no menu" || { fail "Alt then Down opened a menu"; xdotool key Escape Escape; }

# Alt+Ф opens "&Файл"; Escape closes it.
xdotool key alt+Cyrillic_ef
wait_for 5 popup_open && pass "Alt+Ф opens the file menu" || fail "Alt+Ф opened no menu"
xdotool key Escape
sleep 0.3
xdotool key Escape
wait_for 5 only_main_window || fail "menu did not close"

# F1 starts a falling-block game: the caption shows the score.
xdotool key F1
caption_shows_score() { [[ "$(xdotool getwindowname "$window")" == "Vemo score : "* ]]; }
wait_for 10 caption_shows_score && pass "F1 starts a game: '$(xdotool getwindowname "$window")'" ||
  fail "F1: caption stayed '$(xdotool getwindowname "$window")'"
sleep 0.5

# Ctrl+Г (Ctrl+U on this layout) repaints the window, which puts the fire
# picture of level 0 where the game shows that of level 1.
fire_crop fire-level1
xdotool key ctrl+Cyrillic_ghe
sleep 1
fire_crop fire-refreshed
changed=$(compare -metric AE "$work/fire-level1.png" "$work/fire-refreshed.png" null: 2>&1 | cut -d' ' -f1)
if [[ "$changed" =~ ^[0-9]+$ ]] && ((changed > 200)); then
  pass "Ctrl+Г repaints ($changed px of the fire picture changed)"
else
  fail "Ctrl+Г: the fire picture changed by '$changed' px"
fi

# F10 opens the first menu, with the Russian layout too; Escape closes it
# and leaves the arrows to the game. From the open menu the arrows lead to
# «Рекорды» and Enter opens the records view.
# Opens a window with `keys`, closes it with Escape, then Down must open nothing.
opens_then_closes() {
  local what=$1
  shift
  local key
  for key in "$@"; do  # at a person's pace: each menu is open before the next key
    xdotool key "$key"
    sleep 0.3
  done
  wait_for 5 popup_open && pass "$* opens $what" || fail "$* opened no $what"
  xdotool key Escape
  wait_for 5 only_main_window || fail "Escape did not close the $what"
  xdotool key Down
  sleep 0.5
  only_main_window && pass "after it the arrows are the game's again" || { fail "Down opened a menu"; xdotool key Escape Escape; }
}
opens_then_closes "menu" F10
opens_then_closes "records view" F10 Right Right Return

kill -0 "$vemo" 2>/dev/null || fail "the program ended by itself"
setxkbmap us
if ((failures)); then
  cp "$work/screen.png" "${TMPDIR:-/tmp}/vemo-e2e-screen.png" 2>/dev/null
  echo "$failures check(s) failed; screenshot kept in ${TMPDIR:-/tmp}/vemo-e2e-screen.png"
  exit 1
fi
echo "all checks passed"
