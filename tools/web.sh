#!/usr/bin/env bash
# Builds Vemo for the browser and serves the page on 127.0.0.1:
#   bash tools/web.sh             install what is missing, build, serve (port 8017, or $VEMO_WEB_PORT)
#   bash tools/web.sh --build     install what is missing and build only
#   bash tools/web.sh --test      the same, for the tests: the page honours ?seed=N
# The page lands in build-web/site; libjpeg for WebAssembly in build-web-deps.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps="$root/build-web-deps"
# Debian's emscripten runs on Debian's node modules, whichever node is first on the PATH.
export NODE_PATH=/usr/share/nodejs
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}" CCACHE_NOHASHDIR=1

bash "$root/tools/setup.sh" --web

# Debian's source packages through a private source list, which keeps the
# system's apt configuration untouched; its entry names the mirror and the
# release of the machine's own apt sources.
fetch_source() {
  mkdir -p "$deps/apt/lists/partial" "$deps/src"
  local list="$deps/apt/sources.list"
  bash "$root/tools/debian_source.sh" >"$list"
  local apt_private=(-o "Dir::Etc::SourceList=$list" -o Dir::Etc::SourceParts=/dev/null -o "Dir::State::Lists=$deps/apt/lists")
  apt-get "${apt_private[@]}" update -qq
  (cd "$deps/src" && apt-get "${apt_private[@]}" source --download-only "$1" 2>/dev/null)
}

# libjpeg-turbo compiled for WebAssembly without SIMD.
jpeg_lib="$deps/jpeg-build/libjpeg.a"
if [ ! -f "$jpeg_lib" ]; then
  fetch_source libjpeg-turbo
  tar -xzf "$deps"/src/libjpeg-turbo_*.orig.tar.gz -C "$deps/src"
  jpeg_src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -1)
  # The size checks cannot run under emscripten's CMake: wasm32 is given.
  emcmake cmake -S "$jpeg_src" -B "$deps/jpeg-build" -DCMAKE_BUILD_TYPE=Release -DWITH_SIMD=0 \
    -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 -DWITH_JAVA=0 -DHAVE_SIZE_T=TRUE -DSIZE_T=4 \
    -DHAVE_UNSIGNED_LONG=TRUE -DUNSIGNED_LONG=4 >/dev/null
  cmake --build "$deps/jpeg-build" -j2 --target jpeg-static >/dev/null
fi
jpeg_src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -1)

seeded=OFF
[ "${1:-}" = "--test" ] && seeded=ON
emcmake cmake -S "$root" -B "$root/build-web" -DCMAKE_BUILD_TYPE=Release -DVEMO_TEST_SEED=$seeded \
  "-DJPEG_INCLUDE_DIR=${jpeg_src%/};$deps/jpeg-build" "-DJPEG_LIBRARY=$jpeg_lib" >/dev/null
cmake --build "$root/build-web" -j2

case "${1:-}" in --build|--test) exit 0 ;; esac
exec node "$root/tools/serve.mjs" "$root/build-web/site" "${VEMO_WEB_PORT:-8017}"
