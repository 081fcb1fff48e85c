# Building the Windows version, shared by scripts/package, scripts/test and
# scripts/bench. Sourced, not run; needs lib/apt.bash and lib/build.bash (and
# lib/web.bash for tarnwick_fetch_sources and tarnwick_source_version).
#
# SDL 2 and libpng are cross-built for 64-bit Windows from Debian's own source
# packages, once per set of versions, into a cache outside the clone:
#   ${XDG_CACHE_HOME:-~/.cache}/tarnwick/windows-deps/<versions>/{include,lib}
# zlib comes built for MinGW in Debian's libz-mingw-w64-dev.

# What building and packing the Windows version needs: the cross-compiler
# with POSIX threads (miniaudio's threads, C++'s own), its resource compiler,
# zlib built for it; the installer's maker; ImageMagick for the icon and the
# installer's picture, made from PNGs; zip.
tarnwick_windows_tools=(g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev nsis imagemagick zip)
# And what testing and measuring it adds: Wine (the `wine` command comes with
# the `wine` package; wine64 alone ships only the loader), and unzip.
tarnwick_windows_test_tools=(wine wine64 unzip)

# Installs what building and packing the Windows version needs, when it is
# missing; with `test`, what its tests and benchmarks need too.
tarnwick_install_windows_tools() {
  if [ "${1:-}" = test ]; then
    install_missing "${tarnwick_windows_tools[@]}" "${tarnwick_windows_test_tools[@]}"
  else
    install_missing "${tarnwick_windows_tools[@]}"
  fi
}

tarnwick_windows_toolchain=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/windows/mingw-w64-x86_64.cmake

# Prints the prefix of the Windows libraries, building them first when the
# cache has none for these versions.
tarnwick_windows_deps() {
  local sdl png zlib gcc key cache prefix
  sdl=$(tarnwick_source_version libsdl2-dev)
  png=$(tarnwick_source_version libpng-dev)
  zlib=$(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)
  gcc=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
  if [ -z "$sdl" ] || [ -z "$png" ] || [ -z "$zlib" ] || [ -z "$gcc" ]; then
    echo "windows: the versions of SDL, libpng, zlib or MinGW are unknown: are their packages installed?" >&2
    return 1
  fi
  key="sdl2-${sdl}_libpng-${png}_zlib-${zlib}_mingw-${gcc}_$(tarnwick_recipe tarnwick_build_windows_deps)"
  key=${key//[:~+]/_}
  cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwick/windows-deps
  prefix=$cache/$key
  if [ ! -f "$prefix/.complete" ]; then
    echo "windows: building SDL 2 and libpng for Windows from Debian's sources (once; cached in $cache)" >&2
    tarnwick_build_windows_deps "$prefix" "$sdl" "$png" >&2 || return 1
  fi
  echo "$prefix"
}

# tarnwick_build_windows_deps <prefix> <SDL version> <libpng version>
tarnwick_build_windows_deps() {
  local prefix=$1 work log started=$SECONDS
  work=$(mktemp -d)
  log=$work/build.log
  (
    local building=windows
    tarnwick_step tarnwick_fetch_sources "$work/src" "libsdl2=$2" "libpng1.6=$3"
    rm -rf "$prefix.partial"
    tarnwick_step mkdir -p "$prefix.partial"
    local out=$prefix.partial
    # The sources' paths a library keeps name the source package alone.
    local cross=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$tarnwick_windows_toolchain" -DCMAKE_BUILD_TYPE=Release
      -DCMAKE_INSTALL_PREFIX="$out" -DCMAKE_C_FLAGS="-ffile-prefix-map=$work/src/=")

    # Static, against MinGW's own static zlib.
    tarnwick_step cmake -S "$work/src"/libpng1.6-*/ -B "$work/png" "${cross[@]}" \
      -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
      -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a
    tarnwick_step cmake --build "$work/png"
    tarnwick_step cmake --install "$work/png"

    # Static, with what the game uses: the window and its renderers (Direct3D,
    # OpenGL, software), events and the keyboard, gamepads, ticks and the log.
    # Sound is miniaudio's, so SDL's audio is left out, with the subsystems
    # the game never calls; that also halves the time this build takes.
    tarnwick_step cmake -S "$work/src"/libsdl2-*/ -B "$work/sdl" "${cross[@]}" \
      -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON \
      -DSDL_AUDIO=OFF -DSDL_HAPTIC=OFF -DSDL_POWER=OFF -DSDL_SENSOR=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF \
      -DSDL_VULKAN=OFF -DSDL_OPENGLES=OFF -DSDL_OFFSCREEN=OFF -DSDL_CCACHE=OFF
    tarnwick_step cmake --build "$work/sdl"
    tarnwick_step cmake --install "$work/sdl"

    tarnwick_step touch "$out/.complete"
    tarnwick_step rm -rf "$prefix"
    tarnwick_step mv "$out" "$prefix"
  )
  local status=$?
  rm -rf "$work"
  [ "$status" -ne 0 ] || echo "windows: the dependencies took $((SECONDS - started)) s to build" >&2
  return $status
}

# Builds Tarnwick.exe into <native build>/windows: tarnwick_build_windows
# <source> <native build> [cmake options...]. The native build makes the
# pictures and sounds and the icon tool.
tarnwick_build_windows() {
  local source=$1 native=$2 deps
  shift 2
  deps=$(tarnwick_windows_deps) || return 1
  tarnwick_build_targets "$native" assets tarnwick_icon tarnwick_usage || return 1
  if [ ! -f "$native/windows/CMakeCache.txt" ]; then
    # As the native build is optimised, for figures that compare.
    cmake -S "$source" -B "$native/windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tarnwick_windows_toolchain" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_WINDOWS_DEPS="$deps" -DTARNWICK_NATIVE_BUILD="$native" "$@" ||
      return 1
  else
    cmake "$native/windows" -DTARNWICK_WINDOWS_DEPS="$deps" "$@" >/dev/null || return 1
  fi
  cmake --build "$native/windows" --target tarnwick
}

# The zip's README.txt: windows/README.txt, with the README's paragraph of
# what the game is and the very usage Tarnwick.exe --help prints, made by
# the same code in the native build, so that neither can drift from the game:
# tarnwick_windows_readme <source> <native build> <version>
tarnwick_windows_readme() {
  local source=$1 build=$2 version=$3 about usage
  about=$(awk '/^## What it is$/ { found = 1; getline; next } found && /^$/ { exit } found' "$source/README.md" |
    fmt -w 78) || return 1
  [ -n "$about" ] || { echo "windows: README.md has no paragraph under 'What it is'" >&2; return 1; }
  usage=$("$build/tools/usage/tarnwick_usage" windows '%APPDATA%\Tarnwick\settings.conf') || return 1
  # From the environment, where awk reads no backslash as an escape.
  TITLE="Tarnwick $version for Windows" ABOUT=$about USAGE=$usage awk '
    $0 == "@TITLE@" { title = ENVIRON["TITLE"]; print title; gsub(/./, "=", title); print title; next }
    $0 == "@ABOUT@" { print ENVIRON["ABOUT"]; next }
    $0 == "@USAGE@" { print ENVIRON["USAGE"]; next }
    { print }' "$source/windows/README.txt"
}

# Text for Notepad: Windows' line ends.
tarnwick_crlf() { sed 's/\r*$/\r/' "$@"; }

# Packs a built Tarnwick.exe with the pictures and sounds as players get it:
# tarnwick_package_windows <source> <native build>. Writes, and prints,
#   <build>/tarnwick-windows-<version>.zip   a folder Tarnwick/ to unzip and play
#   <build>/tarnwick-<version>-setup.exe     the installer of the same folder
tarnwick_package_windows() {
  local source build version stage zip setup epoch name
  source=$(cd "$1" && pwd) && build=$(cd "$2" && pwd) || return 1
  # The game's version, as its changelog gives it (and tarnwick --version prints).
  version=$(sed -n '1s/^tarnwick (\([^)]*\)).*/\1/p' "$source/packaging/debian/changelog")
  zip="$build/tarnwick-windows-$version.zip"
  setup="$build/tarnwick-$version-setup.exe"
  stage="$build/windows-package/Tarnwick"
  (
    set -eo pipefail
    umask 022
    rm -rf "$build/windows-package" "$zip" "$setup"
    mkdir -p "$stage/Licences"
    # Every file's time is the last changelog entry's, so the same sources
    # give the same zip; the .exe's header holds no time at all (strip writes
    # the one SOURCE_DATE_EPOCH gives).
    epoch=$(date -d "$(sed -n 's/^ -- .*>  //p' "$source/packaging/debian/changelog" | head -n 1)" +%s)
    SOURCE_DATE_EPOCH=0 x86_64-w64-mingw32-strip -o "$stage/Tarnwick.exe" "$build/windows/Tarnwick.exe"
    (cd "$build" && find Assets -type f ! -name .generated -print0 | sort -z |
      while IFS= read -r -d '' file; do install -D -m 644 "$file" "$stage/$file"; done)
    tarnwick_windows_readme "$source" "$build" "$version" | tarnwick_crlf >"$stage/README.txt"
    # The game's terms, then those of the libraries linked into the .exe, as
    # Debian's copies of them state them.
    tarnwick_crlf "$source/packaging/debian/copyright" >"$stage/Licences/Tarnwick.txt"
    for name in SDL2:libsdl2-dev libpng:libpng-dev zlib:libz-mingw-w64-dev miniaudio:libminiaudio-dev \
      MinGW-w64-runtime:mingw-w64-x86-64-dev; do
      tarnwick_crlf "/usr/share/doc/${name#*:}/copyright" >"$stage/Licences/${name%%:*}.txt"
    done

    find "$stage" -exec touch -h -d "@$epoch" {} +
    (cd "$build/windows-package" && find Tarnwick | sort | TZ=UTC zip -qX -9 "$zip" -@)

    # The installer's side picture on its last page (164 by 314): the cabin
    # from the title picture (200 by 150), under its night sky mirrored upward.
    convert "$build/Assets/Sprites/TitleScreen.png" -crop 78x92+66+30 +repage \
      \( +clone -crop 78x29+0+0 +repage \) \( +clone -flip \) \( -clone 1,2,0 -append \) -delete 0-2 \
      -filter point -resize '164x314!' -alpha off BMP3:"$build/windows-package/side.bmp"
    # The installer keeps its pages' picture with its file's time.
    touch -d "@$epoch" "$build/windows-package/side.bmp"
    # The installer's files in one order, a folder at a time.
    (cd "$stage" && find Assets Licences -type d | LC_ALL=C sort | while IFS= read -r folder; do
      echo "  SetOutPath \"\$INSTDIR\\${folder//\//\\}\""
      find "$folder" -maxdepth 1 -type f | LC_ALL=C sort | while IFS= read -r file; do
        echo "  File \"$stage/${file}\""
      done
    done) >"$build/windows-package/files.nsh"
    makensis -V2 -DVERSION="$version" -DVERSION4="$(tarnwick_four_numbers "$version")" \
      -DSTAGE="$stage" -DICON="$build/windows/Tarnwick.ico" -DSIDE="$build/windows-package/side.bmp" -DFILES="$build/windows-package/files.nsh" \
      -DOUTFILE="$setup" "$source/windows/installer.nsi" >&2
  ) || return 1
  echo "$zip"
  echo "$setup"
}

# 1.0 -> 1.0.0.0, as Windows gives versions.
tarnwick_four_numbers() {
  local numbers=$1
  while [ "$(tr -cd . <<<"$numbers" | wc -c)" -lt 3 ]; do numbers="$numbers.0"; done
  echo "$numbers"
}
