#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what a desktop needs: the
# executables, the desktop entry and the metainfo (both validated), the icons
# of every size, and the default records file.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (bash tools/setup.sh installs it)"; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for program in bin/vemo bin/vemo-launcher; do
  [ -x "$prefix/$program" ] || fail "$program is not installed as a program"
done
[ -s "$prefix/share/vemo/data" ] || fail "share/vemo/data is missing"

desktop=$prefix/share/applications/vemo.desktop
if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
  grep -qx "Exec=$prefix/bin/vemo-launcher" "$desktop" || fail "the desktop entry does not start the installed launcher"
  grep -qx "Icon=vemo" "$desktop" || fail "the desktop entry's icon is not vemo"
  grep -q '^Comment\[ru\]=' "$desktop" || fail "the desktop entry has no Russian comment"
else
  fail "no desktop entry"
fi

metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
if [ -f "${metainfo[0]}" ]; then
  appstreamcli validate --no-net --pedantic "${metainfo[0]}" || fail "appstreamcli refuses ${metainfo[0]}"
  grep -q '<launchable type="desktop-id">vemo.desktop</launchable>' "${metainfo[0]}" ||
    fail "the metainfo does not launch vemo.desktop"
  grep -q '<release version="1.45"' "${metainfo[0]}" || fail "the metainfo has no release 1.45"
  appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli refuses the installed tree"
else
  fail "no metainfo"
fi

# The PNG header holds the width and height as big-endian words at bytes 16..23.
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/vemo.png
  if [ -f "$icon" ]; then
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
      awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "$icon is $width x $height"
  else
    fail "no ${size}x${size} icon"
  fi
done

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed tree in order"
