#!/usr/bin/env bash
# Build ばすぽう for Windows on Debian 12: a Qt for Windows from Debian's own qt6-base source
# (made once into a cache), the program and its tests cross-built with MinGW-w64, the tests run
# under Wine, then the portable zip and the installer, each tried under Wine as a user would.
# The last lines are their paths.
#   bash scripts/windows.sh          all of it
#   bash scripts/windows.sh build    only the Qt for Windows and the cross-build (build-win/)
#   bash scripts/windows.sh test     that and the tests under Wine
#   VASPO_QT_WINDOWS=DIR             use the Qt for Windows in DIR as it is
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

QT_VERSION=6.4.2
QT_NAME=qt-$QT_VERSION-mingw64
BUILD=build-win
# What the Windows build needs besides the Linux build's own packages:
#   g++/gcc-mingw-w64-x86-64-posix      the cross compilers (posix threads, as Qt's build uses)
#   qt6-base-dev-tools qt6-tools-dev    Debian's moc, rcc, uic and lrelease serve the cross build too
#   ninja-build                         the build tool of Qt's own build
#   wine wine64                         runs the tests and the program
#   nsis zip                            the installer and the portable zip
#   xvfb openbox xdotool imagemagick    a display for Wine's windows, keys on it, screenshots
#   x11-utils x11-xserver-utils         the real program's run: windows found, keys for typing Japanese
#   unzip locales                       the zip unpacked, a Japanese locale made for Wine
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                  qt6-base-dev-tools qt6-tools-dev ninja-build wine wine64 nsis zip
                  xvfb openbox xdotool imagemagick x11-utils x11-xserver-utils unzip locales)

# A Qt for Windows that was made here before, or one made now.
windows_qt() {
  if [[ -n ${VASPO_QT_WINDOWS:-} ]]; then
    [[ -f $VASPO_QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake ]] || {
      echo "VASPO_QT_WINDOWS=$VASPO_QT_WINDOWS holds no Qt for Windows" >&2
      return 1
    }
    QT_WINDOWS=$VASPO_QT_WINDOWS
    return
  fi
  local cache=${XDG_CACHE_HOME:-$HOME/.cache}/vaspo
  QT_WINDOWS=$cache/$QT_NAME
  [[ -f $QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake ]] && return
  mkdir -p "$cache"
  local ready
  if ready=$(ready_qt_archive); then
    echo "Unpacking the Qt for Windows made before: $ready"
    rm -rf "$QT_WINDOWS"
    tar -xJf "$ready" -C "$cache"
  else
    build_qt "$cache"
  fi
}

# An archive of this Qt built from the same source, as a developer's machine or CI keeps one
# beside the work trees (shared/windows/), with its checksum.
ready_qt_archive() {
  local dir=$ROOT
  while [[ $dir != / ]]; do
    dir=$(dirname "$dir")
    local archive=$dir/shared/windows/$QT_NAME.tar.xz
    if [[ -f $archive ]]; then
      if [[ -f $dir/shared/windows/SHA256SUMS ]] &&
        ! (cd "$dir/shared/windows" && grep " $QT_NAME.tar.xz\$" SHA256SUMS | sha256sum -c --quiet -); then
        echo "$archive does not match its checksum; not used" >&2
        continue
      fi
      echo "$archive"
      return 0
    fi
  done
  return 1
}

# Builds Qt's base module for Windows from Debian's source package of the same version as the
# Linux build's Qt (about 45 minutes on two cores).
build_qt() {
  local cache=$1 work
  work=$(mktemp -d "$cache/qt-build.XXXXXX")
  local prefix=$work/$QT_NAME
  add_debian_sources
  local version
  version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
  echo "Building Qt $QT_VERSION for Windows from Debian's qt6-base $version (about 45 minutes on two cores)"
  (cd "$work" && apt-get source --download-only "qt6-base=$version")
  tar -xJf "$work"/qt6-base_*.orig.tar.xz -C "$work"
  mkdir -p "$prefix/lib/cmake/Qt6"
  # Carried inside the Qt, so that the folder can be moved.
  cat > "$prefix/lib/cmake/Qt6/mingw-w64-x86_64.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
TOOLCHAIN
  mkdir -p "$work/build"
  # Debian's source leaves out the Wintab header: no tablet events.
  (cd "$work/build" && "$work/qtbase-everywhere-src-$QT_VERSION/configure" -prefix "$prefix" -release -shared \
    -xplatform win32-g++ -qt-host-path /usr \
    -nomake examples -nomake tests -no-opengl -no-icu -no-dbus \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent \
    -no-feature-xml -no-feature-tabletevent \
    -- -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
  cmake --build "$work/build" --parallel "$(nproc)"
  cmake --install "$work/build"
  # The toolchain file is found beside qt.toolchain.cmake wherever the folder goes.
  sed -i 's|^set(__qt_initially_configured_toolchain_file .*|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")|' \
    "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
  rm -rf "$QT_WINDOWS"
  mv "$prefix" "$QT_WINDOWS"
  rm -rf "$work"
}

# apt-get source needs a deb-src entry for the archive the packages come from.
add_debian_sources() {
  if apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx 'Sources'; then
    return
  fi
  local list=/etc/apt/sources.list.d/vaspo-debian-src.sources
  echo "Adding the deb-src entries of Debian's archive: $list"
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    sed -n '/^Types:/,/^$/p' /etc/apt/sources.list.d/debian.sources |
      sed 's/^Types: .*/Types: deb-src/' > "$list"
  else
    grep -h '^deb ' /etc/apt/sources.list | grep -E 'debian(-security)?/? ' | sed 's/^deb /deb-src /' \
      > "${list%.sources}.list"
  fi
  apt-get update
}

# The runtime libraries of the MinGW compilers.
mingw_dll_dirs() {
  echo /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib
}

configure_and_build() {
  "$QT_WINDOWS/bin/qt-cmake" -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/windows/wine-run.sh"
  cmake --build "$BUILD" --parallel "$(nproc)"
}

# A Wine prefix of this run's own, with a virtual display for the windows the tests open.
start_wine() {
  WINE_RUN=$(mktemp -d /tmp/vaspo-wine.XXXXXX)
  # No Mono, no Gecko, and no menu entries or icons on this machine for the shortcuts made.
  export WINEPREFIX=$WINE_RUN/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  mkdir -p "$WINEPREFIX"
  exec 3> "$WINE_RUN/displayfd"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [[ -s $WINE_RUN/displayfd ]] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$WINE_RUN/displayfd")"
  trap stop_wine EXIT
  wineserver -p  # one server for the whole run, not one per program
  wineboot -i > /dev/null 2>&1
  # The Qt and MinGW libraries of the build, for the programs run from the build folder.
  local dir
  WINEPATH="Z:$QT_WINDOWS/bin"
  for dir in $(mingw_dll_dirs); do WINEPATH+=";Z:$dir"; done
  export WINEPATH
}

stop_wine() {
  wineserver -k 2> /dev/null || true
  kill "$XVFB_PID" 2> /dev/null || true
  rm -rf "$WINE_RUN"
}

ensure_packages "${PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
windows_qt
configure_and_build
[[ ${1:-} == build ]] && exit 0
start_wine
rm -f "$BUILD"/tests/*/*.log  # a test dropped since an earlier run would list its skips still
ctest --test-dir "$BUILD" --output-on-failure
echo "Skipped under Wine, with their reasons:"
grep -h '^SKIP' "$BUILD"/tests/*/*.log | sed 's/^SKIP *: */  /'
[[ ${1:-} == test ]] && exit 0
version=$(sed -n 's/^project(vaspo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip=$BUILD/vaspo-$version-win64.zip setup=$BUILD/vaspo-$version-setup.exe
bash windows/package.sh "$BUILD" "$QT_WINDOWS" "$zip" "$setup"
bash tests/windows/installer.sh "$setup"
bash tests/windows/real_program.sh "$zip"
echo "$zip"
echo "$setup"
