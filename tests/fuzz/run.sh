#!/usr/bin/env bash
# Builds the records-file fuzz target with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs it for a bounded time.
#   tests/fuzz/run.sh [seconds] [extra libFuzzer options...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${1:-60}
shift || true
out=${VEMO_FUZZ_DIR:-/tmp/vemo-fuzz}
mkdir -p "$out/corpus"

clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion \
  -I"$root/src" \
  "$root/tests/fuzz/load_data_fuzz.cpp" \
  "$root/src/records/cp1251.cpp" \
  "$root/src/records/line_image.cpp" \
  "$root/src/records/records_file.cpp" \
  "$root/src/records/score_run.cpp" \
  -o "$out/load_data_fuzz"

# A file that passes the check, to start from: every row holds 9700 under
# key 100 (run 100, 100, 60, 140), one name in cp1251.
{
  printf '0\r\n'
  for name in abc "$(printf '\xc2\xe0\xf1\xff')" x y z p q r s t; do printf 'dd<\x8c,%s,400\r\n' "$name"; done
  printf '1110111\r\n15\r\n\r\n\r\n'
  for _ in 1 2 3 4 5 6 7 8 9 10; do printf '9700\r\n'; done
} > "$out/corpus/seed"

"$out/load_data_fuzz" -max_total_time="$seconds" -max_len=20000 -print_final_stats=1 "$@" "$out/corpus"
