#!/usr/bin/env bash
# The launcher, installed into a scratch prefix with a stand-in for the game
# that reports where and how it was started, run with a scratch HOME: it makes
# the player's folder, puts the default records file there, keeps a file that
# is there already, and replaces itself with the game in that folder.
# Usage: launcher_test.sh BUILD_DIR
set -euo pipefail
build=$1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
launcher=$prefix/bin/vemo-launcher
default_data=$prefix/share/vemo/data
report=$scratch/report
cat > "$prefix/bin/vemo" <<STUB
#!/bin/sh
{ echo "pid \$\$"; echo "dir \$(pwd -P)"; echo "args \$*"; } > "$report"
STUB

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_report() {  # expect_report DIR ARGS
  grep -qx "dir $1" "$report" || fail "the game ran in $(grep '^dir' "$report"), not $1"
  grep -qx "args $2" "$report" || fail "the game got $(grep '^args' "$report"), not 'args $2'"
}
run() { rm -f "$report"; env -u XDG_DATA_HOME "$@" "$launcher" --arg "two words" && [ -f "$report" ]; }

# First start: folder and file made; the game runs there with the arguments.
home=$scratch/home
mkdir "$home"
run HOME="$home" || fail "the first start failed"
folder=$home/.local/share/vemo
cmp -s "$default_data" "$folder/data" || fail "the first start did not copy the default records file"
[ -w "$folder/data" ] || fail "the copied records file is not writable"
expect_report "$(cd "$folder" && pwd -P)" "--arg two words"
[ -z "$(find "$folder" -name '.data.new.*')" ] || fail "the copy left a temporary file"

# An existing file stays as it is, content and time.
printf 'my own records\n' > "$folder/data"
touch -d '2001-02-03 04:05:06' "$folder/data"
before=$(stat -c '%Y %s %i' "$folder/data")
run HOME="$home" || fail "the second start failed"
[ "$(cat "$folder/data")" = "my own records" ] || fail "the second start changed the records file"
[ "$(stat -c '%Y %s %i' "$folder/data")" = "$before" ] || fail "the second start touched the records file"

# A symbolic link named data is the player's business, even a dangling one.
rm "$folder/data"
ln -s "$scratch/elsewhere" "$folder/data"
run HOME="$home" || fail "the start with a dangling link failed"
[ -L "$folder/data" ] && [ ! -e "$scratch/elsewhere" ] || fail "the launcher wrote through a dangling link"

# XDG_DATA_HOME moves the folder when it is absolute, and is ignored when not.
run HOME="$home" XDG_DATA_HOME="$scratch/xdg" || fail "the start with XDG_DATA_HOME failed"
cmp -s "$default_data" "$scratch/xdg/vemo/data" || fail "XDG_DATA_HOME was not used"
home2=$scratch/home2
mkdir "$home2"
(cd "$scratch" && run HOME="$home2" XDG_DATA_HOME=relative) || fail "the start with a relative XDG_DATA_HOME failed"
[ -f "$home2/.local/share/vemo/data" ] && [ ! -e "$scratch/relative" ] || fail "a relative XDG_DATA_HOME was used"

# Started through a link from elsewhere (as /usr/games might hold one), it
# still finds the game and the default file; and it becomes the game (exec),
# so signals sent to it reach the game.
mkdir "$scratch/links"
ln -s "$launcher" "$scratch/links/vemo"
home3=$scratch/home3
mkdir "$home3"
rm -f "$report"
env -u XDG_DATA_HOME HOME="$home3" "$scratch/links/vemo" &
pid=$!
wait "$pid" || fail "the start through a link failed"
cmp -s "$default_data" "$home3/.local/share/vemo/data" || fail "the start through a link did not copy the file"
grep -qx "pid $pid" "$report" || fail "the game is not the launcher's own process (no exec)"

# Without a default file it fails rather than starting the game without one.
rm "$default_data"
home4=$scratch/home4
mkdir "$home4"
if run HOME="$home4" 2>/dev/null; then fail "it started the game without a records file"; fi

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "launcher in order"
