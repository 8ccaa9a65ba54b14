#!/usr/bin/env bash
# Installs what is missing, builds Vemo and runs every test headless: once in
# a normal build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/tools/setup.sh"
jobs=$(nproc)

# No sound server on a test machine: keep ALSA quiet instead of failing loudly.
export ALSA_CONFIG_PATH="$root/tests/e2e/asound-null.conf"

status=0
run_suite() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs") || status=1
}

echo "== Build and tests =="
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_TEST_SEED=ON
echo "== Build and tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVEMO_SANITIZE=ON -DVEMO_BENCH=OFF
echo "== Fuzzing the reading of the records file (60 s) =="
VEMO_FUZZ_DIR="$root/build-fuzz" bash "$root/tests/fuzz/run.sh" 60 || status=1
echo "== The page in headless Chromium =="
if bash "$root/tools/web.sh" --test; then
  (cd "$root/tests/web" && npm ci --no-audit --no-fund --loglevel=error &&
   VEMO_WEB_FIXTURES="$root/build/tests/vemo_web_fixtures" node --test --test-concurrency=1) || status=1
else
  status=1
fi
exit $status
