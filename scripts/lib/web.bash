# Building the web version, shared by scripts/play-web, scripts/test,
# scripts/package and scripts/bench. Sourced, not run; needs lib/apt.bash and
# lib/build.bash, and scripts/setup to have run.
#
# SDL 2, libpng and zlib are built for WebAssembly from Debian's own source
# packages (emscripten's ports would download them), once per set of versions,
# into a cache outside the clone:
#   ${XDG_CACHE_HOME:-~/.cache}/tarnwick/web-deps/<versions>/{include,lib}

# Emscripten's tools run on Node and need Debian's module folder.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

# The installed source version of the package that gives <binary package>.
tarnwick_source_version() {
  dpkg-query -W -f='${source:Version}' "$1"
}

# Prints the prefix of the web dependencies, building them first when the
# cache has none for these versions.
tarnwick_web_deps() {
  local sdl png zlib emcc key cache prefix
  sdl=$(tarnwick_source_version libsdl2-dev)
  png=$(tarnwick_source_version libpng-dev)
  zlib=$(tarnwick_source_version zlib1g-dev)
  emcc=$(dpkg-query -W -f='${Version}' emscripten)
  if [ -z "$sdl" ] || [ -z "$png" ] || [ -z "$zlib" ] || [ -z "$emcc" ]; then
    echo "web: the versions of SDL, libpng, zlib or emscripten are unknown: are their packages installed?" >&2
    return 1
  fi
  key="sdl2-${sdl}_libpng-${png}_zlib-${zlib}_emscripten-${emcc}_$(tarnwick_recipe tarnwick_build_web_deps)"
  key=${key//[:~]/_}
  cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwick/web-deps
  prefix=$cache/$key
  if [ ! -f "$prefix/.complete" ]; then
    echo "web: building SDL 2, libpng and zlib for WebAssembly from Debian's sources (once; cached in $cache)" >&2
    tarnwick_build_web_deps "$prefix" "$sdl" "$png" "$zlib" >&2 || return 1
  fi
  echo "$prefix"
}

# The first characters of a hash of a function's own text: a cache keyed by
# it is built anew when the recipe that builds it changes.
tarnwick_recipe() { declare -f "$1" | md5sum | cut -c1-8; }

# tarnwick_build_web_deps <prefix> <SDL version> <libpng version> <zlib version>
tarnwick_build_web_deps() {
  local prefix=$1 work log
  work=$(mktemp -d)
  log=$work/build.log
  (
    local building=web
    tarnwick_step tarnwick_fetch_sources "$work/src" "libsdl2=$2" "libpng1.6=$3" "zlib=$4"
    rm -rf "$prefix.partial"
    tarnwick_step mkdir -p "$prefix.partial"
    local out=$prefix.partial
    # The sources' paths that a library keeps (SDL's __FILE__ in its error
    # messages) name the source package alone, never this temporary folder.
    local relative="-ffile-prefix-map=$work/src/="

    cd "$work/src"/zlib-*/ || tarnwick_step_failed
    CFLAGS="-O3 $relative" tarnwick_step emconfigure ./configure --static --prefix="$out"
    tarnwick_step emmake make -j"$(nproc)" libz.a
    tarnwick_step emmake make install

    cd "$work/src"/libpng1.6-*/ || tarnwick_step_failed
    tarnwick_step emcmake cmake -S . -B "$work/png" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out" \
      -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DCMAKE_C_FLAGS="$relative" \
      -DZLIB_INCLUDE_DIR="$out/include" -DZLIB_LIBRARY="$out/lib/libz.a"
    tarnwick_step cmake --build "$work/png"
    tarnwick_step cmake --install "$work/png"

    # SDL's Emscripten backend: WebGL rendering, the page's keyboard and
    # canvas. No threads, as the game has only one.
    cd "$work/src"/libsdl2-*/ || tarnwick_step_failed
    tarnwick_step emcmake cmake -S . -B "$work/sdl" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out" \
      -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF -DCMAKE_C_FLAGS="$relative"
    tarnwick_step cmake --build "$work/sdl"
    tarnwick_step cmake --install "$work/sdl"

    tarnwick_step touch "$out/.complete"
    tarnwick_step rm -rf "$prefix"
    tarnwick_step mv "$out" "$prefix"
  )
  local status=$?
  rm -rf "$work"
  return $status
}

# Unpacks Debian source packages into <dir>: tarnwick_fetch_sources <dir>
# <package=version>...; a version the archive no longer has gives way to the
# one it has. Adds a deb-src entry for the machine's own mirror if none is there.
tarnwick_fetch_sources() {
  local dir=$1 wanted
  shift
  if ! apt-get source --print-uris -qq zlib >/dev/null 2>&1; then
    echo "web: adding Debian's source packages (deb-src) from the machine's own mirror"
    add_debian_source tarnwick-bookworm-source deb-src bookworm
    apt_update
  fi
  mkdir -p "$dir"
  for wanted in "$@"; do
    (cd "$dir" && { apt-get source -qq "$wanted" || apt-get source -qq "${wanted%%=*}"; })
  done
}

# Builds the web version into <native build>/web/site: tarnwick_build_web
# <source> <native build>. The native build makes the pictures and sounds and
# the page's pictures; the web build compiles the game for WebAssembly.
tarnwick_build_web() {
  local source=$1 native=$2 deps
  deps=$(tarnwick_web_deps) || return 1
  cmake --build "$native" --target assets web_page_pictures || return 1
  if [ ! -f "$native/web/CMakeCache.txt" ]; then
    emcmake cmake -S "$source" -B "$native/web" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DTARNWICK_WEB_DEPS="$deps" -DTARNWICK_NATIVE_BUILD="$native" || return 1
  else
    cmake "$native/web" -DTARNWICK_WEB_DEPS="$deps" >/dev/null || return 1
  fi
  cmake --build "$native/web"
}
