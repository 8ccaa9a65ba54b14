#!/usr/bin/env bash
# Prints a one-line `deb-src` entry for Debian's main component, made from this
# machine's own apt sources: the mirror of its `deb` entry for the release and
# that entry's suite. Both the one-line format (sources.list, *.list) and the
# deb822 one (*.sources) are read. When no entry names the release itself
# (only -updates or -security, say), the suite is VERSION_CODENAME of os-release.
#   debian_source.sh [APT_ETC_DIR [OS_RELEASE]]    (defaults: /etc/apt /etc/os-release)
set -euo pipefail
etc=${1:-/etc/apt}
os_release=${2:-/etc/os-release}
codename=$(. "$os_release" && echo "${VERSION_CODENAME:-}")

# Every enabled `deb` entry with the main component, one "URI SUITE KEYRING" a
# line (KEYRING "-" when the entry names no keyring file).
one_line_entries() {
  awk '{ sub(/#.*/, "") }
       $1 == "deb" {
         i = 2; keyring = "-"
         if ($2 ~ /^\[/) {
           for (; i <= NF; i++) {
             option = $i; gsub(/[][]/, "", option)
             if (option ~ /^signed-by=/) keyring = substr(option, 11)
             if ($i ~ /\]$/) { i++; break }
           }
         }
         uri = $i; suite = $(i + 1)
         for (c = i + 2; c <= NF; c++) if ($c == "main") { print uri, suite, keyring; break }
       }' "$1"
}
deb822_entries() {
  awk 'BEGIN { RS = ""; FS = "\n" }
       {
         delete field; key = ""
         for (l = 1; l <= NF; l++) {
           line = $l
           if (line ~ /^#/) continue
           if (line ~ /^[ \t]/) { if (key != "") field[key] = field[key] " MORE"; continue }
           colon = index(line, ":"); if (!colon) continue
           key = tolower(substr(line, 1, colon - 1))
           value = substr(line, colon + 1); gsub(/^[ \t]+|[ \t]+$/, "", value)
           field[key] = value
         }
         if (tolower(field["enabled"]) == "no") next
         if ((" " field["types"] " ") !~ / deb / || (" " field["components"] " ") !~ / main /) next
         # A key given inside the entry rather than as a file is not carried over.
         keyring = (field["signed-by"] ~ /^\/[^ ]*$/) ? field["signed-by"] : "-"
         nu = split(field["uris"], uris, /[ \t]+/); ns = split(field["suites"], suites, /[ \t]+/)
         for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++) print uris[u], suites[s], keyring
       }' "$1"
}

entries=()
for file in "$etc"/sources.list "$etc"/sources.list.d/*.list "$etc"/sources.list.d/*.sources; do
  [ -f "$file" ] || continue
  case "$file" in
    *.sources) mapfile -t -O "${#entries[@]}" entries < <(deb822_entries "$file") ;;
    *) mapfile -t -O "${#entries[@]}" entries < <(one_line_entries "$file") ;;
  esac
done
if ((${#entries[@]} == 0)); then
  echo "debian_source.sh: no deb entry with the main component in $etc" >&2
  exit 1
fi

# The entry of the release itself: its codename, else a suite without a suffix.
chosen=""
for entry in "${entries[@]}"; do
  read -r uri suite keyring <<<"$entry"
  [ -n "$codename" ] && [ "$suite" = "$codename" ] && { chosen=$entry; break; }
  [ -z "$chosen" ] && [[ $suite != *[-/]* ]] && chosen=$entry
done
if [ -z "$chosen" ]; then
  [ -n "$codename" ] || { echo "debian_source.sh: no suite in $etc nor VERSION_CODENAME in $os_release" >&2; exit 1; }
  read -r uri suite keyring <<<"${entries[0]}"
  chosen="$uri $codename $keyring"
fi
read -r uri suite keyring <<<"$chosen"
options=""
[ "$keyring" = "-" ] || options="[signed-by=$keyring] "
echo "deb-src $options$uri $suite main"
