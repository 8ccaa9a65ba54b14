#!/usr/bin/env bash
# Installs what is missing, builds Vemo and starts it in the current directory
# (the records file "data" lives there).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/tools/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_TEST_SEED=OFF >/dev/null
cmake --build "$root/build" --target vemo -j "$(nproc)"
exec "$root/build/vemo" "$@"
