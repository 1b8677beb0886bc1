#!/usr/bin/env bash
# Installs what Corvane needs from Debian's packages, builds it into build/, then
#   bash setup.sh run      converts the bundled sample and says where the CSV file is
#   bash setup.sh test     builds and runs every test, Windows build (under Wine) first, then Linux,
#                          then Linux again under the sanitizers with two minutes of fuzzing
#   bash setup.sh windows  cross-builds for Windows and packs build/Corvane-VERSION-windows-x64.zip
#                          (the programs, a read-me and the icon set in MM Icons) and the
#                          per-user installer build/Corvane-VERSION-x64.msi
#   bash setup.sh build    only builds (Linux)
set -euo pipefail
cd "$(dirname "$0")"

command=${1:-build}
case "$command" in
  run | test | windows | build) ;;
  *) echo "usage: bash setup.sh [run|test|windows|build]" >&2; exit 1 ;;
esac

packages=(g++ cmake make pkg-config libpugixml-dev libutf8proc-dev libzip-dev libgtest-dev
          qt6-base-dev fonts-dejavu-core fonts-liberation2 xvfb xauth
          scdoc desktop-file-utils man-db dpkg-dev file time clang libclang-rt-14-dev)
# The Windows build: the cross compiler, Wine to run its tests, apt-get source's unpacker, zip, and
# wixl (with msiinfo from msitools, for looking into the installer) to make the installer.
windows_packages=(g++-mingw-w64-x86-64-posix wine wine64 dpkg-dev zip wixl msitools)
if [[ $command == test || $command == windows ]]; then
  packages+=("${windows_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "Corvane needs these Debian packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

build_linux() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j"$(nproc)"
}

# --- Windows ---------------------------------------------------------------------------------
# Debian ships pugixml, utf8proc, libzip and zlib only for Linux, so their Windows builds come from
# Debian's source packages, in the versions the Linux build uses. apt-get reads a private source list and
# keeps its lists under build/; the system's apt configuration is not touched. The libraries are
# built once and reused while their versions and the compiler stay the same.
deps=$PWD/build/windows-deps
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake

# One deb-src line for the machine's Debian mirror and release.
debian_source_line() {
  local uri suite keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
    suite=$(awk '/^Suites:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
  else
    read -r uri suite < <(awk '$1 == "deb" && $2 !~ /^\[/ {print $2, $3; exit}' /etc/apt/sources.list)
  fi
  echo "deb-src [signed-by=$keyring] $uri $suite main"
}

fetch_debian_sources() {
  local apt=$deps/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$deps/src"
  debian_source_line >"$apt/sources.list"
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root -q)
  apt-get "${options[@]}" update >/dev/null
  (cd "$deps/src" && apt-get "${options[@]}" source --only-source "$@" >/dev/null 2>&1)
}

# The folder apt-get source unpacked a name=version into
unpacked() {
  local dirs=("$deps/src/${1%%=*}-"*/)
  echo "${dirs[0]}"
}

# name=version of the source package that built an installed Linux package
source_of() {
  dpkg-query -W -f='${source:Package}=${source:Version}' "$1"
}

cmake_windows_library() {
  local name=$1 source=$2
  shift 2
  cmake -S "$source" -B "$deps/build/$name" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps/install" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  cmake --build "$deps/build/$name" -j"$(nproc)" >/dev/null
  cmake --install "$deps/build/$name" >/dev/null
}

# Debian's zlib source leaves out win32/zlib1.rc, which zlib's DLL is built with, so only the
# static library is built; it is installed by hand, as libz.a, the name libzip links with.
build_windows_zlib() {
  local source=$1 build=$deps/build/zlib
  cmake -S "$source" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -Wno-deprecated \
    >/dev/null
  cmake --build "$build" --target zlibstatic -j"$(nproc)" >/dev/null
  install -D -m 644 "$build/libzlibstatic.a" "$deps/install/lib/libz.a"
  install -D -m 644 -t "$deps/install/include" "$source/zlib.h" "$build/zconf.h"
}

build_windows_libraries() {
  local pugixml utf8proc zlib libzip stamp
  pugixml=$(source_of libpugixml-dev)
  utf8proc=$(source_of libutf8proc-dev)
  zlib=$(source_of zlib1g)
  libzip=$(source_of libzip-dev)
  stamp="$pugixml $utf8proc $zlib $libzip $(source_of libgtest-dev) $(x86_64-w64-mingw32-g++-posix -dumpfullversion)"
  [[ -f $deps/install/stamp && $(<"$deps/install/stamp") == "$stamp" ]] && return
  echo "Building pugixml, utf8proc, zlib, libzip and GoogleTest for Windows from Debian's sources (once)"
  rm -rf "$deps"
  fetch_debian_sources "$pugixml" "$utf8proc" "$zlib" "$libzip"
  cmake_windows_library pugixml "$(unpacked "$pugixml")" -DPUGIXML_BUILD_TESTS=OFF
  cmake_windows_library utf8proc "$(unpacked "$utf8proc")" -DUTF8PROC_ENABLE_TESTING=OFF
  build_windows_zlib "$(unpacked "$zlib")"
  # libzip reads and writes zip files with zlib alone: no other compression, no encryption. Its
  # table of ANSI file functions draws warnings from the cross compiler (char* parameters where it
  # declares void*, the same call underneath), and its configuration warns that encryption is off;
  # they are libzip's, so they are kept out of the log.
  cmake_windows_library libzip "$(unpacked "$libzip")" -DCMAKE_C_FLAGS=-w -Wno-dev --log-level=ERROR \
    -DZLIB_INCLUDE_DIR="$deps/install/include" -DZLIB_LIBRARY="$deps/install/lib/libz.a" \
    -DENABLE_{BZIP2,LZMA,GNUTLS,OPENSSL,MBEDTLS,COMMONCRYPTO,WINDOWS_CRYPTO}=OFF \
    -DBUILD_{TOOLS,REGRESS,EXAMPLES,DOC}=OFF
  cmake_windows_library googletest /usr/src/googletest -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=ON
  echo "$stamp" >"$deps/install/stamp"
}

build_windows() {
  build_windows_libraries
  cmake -S . -B build/windows-x64 -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCORVANE_WINDOWS_DEPS="$deps/install" "$@" >/dev/null
  cmake --build build/windows-x64 -j"$(nproc)"
}

# A fresh Wine prefix for this run, and one Wine server kept up until the script ends: the build
# runs corvane-cli.exe under Wine to write the icon set, and the tests run under it.
start_wine() {
  export WINEPREFIX=$PWD/build/windows-x64/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  # The server holds no terminal or pipe of this script open while it waits.
  wineserver --persistent </dev/null >/dev/null 2>&1
  trap 'wineserver --kill; timeout -k 5 60 wineserver --wait; stop_display' EXIT
  # Unrandomised addresses, as the build's run-wine starts every Windows program (cmake/run-wine.in).
  timeout -k 5 300 setarch "$(uname -m)" -R wineboot --init </dev/null >/dev/null 2>&1
}

# The window's smoke test shows the Win32 window, so Wine gets an X display: the shell's own, or a
# virtual one (Xvfb) kept up until the script ends.
xvfb_pid=
start_display() {
  [[ -n ${DISPLAY:-} ]] && return
  local n=99
  while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:$n
  for _ in $(seq 100); do
    [[ -S /tmp/.X11-unix/X$n ]] && return
    sleep 0.1
  done
  echo "Xvfb did not start on display :$n" >&2
  exit 1
}

stop_display() {
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}

# The zip and the installer hold the folder the build lays out in packaging/stage/: the programs,
# a read-me and the icon set in MM Icons (written at build time by corvane-cli.exe under Wine).
package_windows() {
  local version name packaging=build/windows-x64/packaging
  version=$(sed -n 's/^project(Corvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  name=Corvane-$version-windows-x64
  [[ -f $packaging/stage.stamp && -f $packaging/Corvane-$version-x64.msi ]] ||
    { echo "The build did not lay out the Windows package" >&2; exit 1; }
  rm -rf "build/windows-x64/package" "build/$name.zip"
  mkdir -p build/windows-x64/package
  cp -r "$packaging/stage" "build/windows-x64/package/$name"
  (cd build/windows-x64/package && zip -qr "../../$name.zip" "$name")
  cp "$packaging/Corvane-$version-x64.msi" build/
  echo "The Windows package is $(pwd)/build/$name.zip, its installer $(pwd)/build/Corvane-$version-x64.msi"
}

case "$command" in
  run)
    build_linux
    out=build/sample-caches.csv
    build/cli/corvane-cli --force samples/caches.gpx "$out"
    echo "The CSV file is $(pwd)/$out"
    echo "To open the window: build/window/corvane"
    ;;
  test)
    build_linux
    # The Windows results must match the Linux program's byte for byte.
    start_display
    start_wine
    build_windows -DCORVANE_BUILD_TESTS=ON -DCORVANE_LINUX_CLI="$PWD/build/cli/corvane-cli"
    # Every test has a time limit of its own; --timeout gives one to any test that would lack it.
    ctest --test-dir build/windows-x64 --output-on-failure --timeout 300 -j"$(nproc)"
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 300 -j"$(nproc)"
    # The engine and the command line once more, built by clang with the sanitizers, and the
    # fuzzer for a bounded time (the fuzz.Run test); last, so the run ends with CTest's summary.
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCORVANE_SANITIZE=ON -DCORVANE_FUZZ=ON -DCORVANE_BUILD_WINDOW=OFF >/dev/null
    cmake --build build-fuzz -j"$(nproc)"
    ctest --test-dir build-fuzz --output-on-failure --timeout 300 -j"$(nproc)"
    ;;
  windows)
    start_wine
    build_windows -DCORVANE_BUILD_TESTS=OFF
    package_windows
    ;;
  build)
    build_linux
    ;;
esac
