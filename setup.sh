#!/usr/bin/env bash
# Installs what Corvane needs from Debian's packages, builds it into build/, then
#   bash setup.sh run    converts the bundled sample and says where the CSV file is
#   bash setup.sh test   runs every test, then again under the sanitizers with two minutes of fuzzing
#   bash setup.sh build  only builds
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake make pkg-config libpugixml-dev libutf8proc-dev libzip-dev libgtest-dev
          qt6-base-dev fonts-dejavu-core fonts-liberation2 xvfb xauth
          scdoc desktop-file-utils man-db dpkg-dev file time clang libclang-rt-14-dev)

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

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"

case "${1:-build}" in
  run)
    out=build/sample-caches.csv
    build/cli/corvane-cli --force samples/caches.gpx "$out"
    echo "The CSV file is $(pwd)/$out"
    echo "To open the window: build/window/corvane"
    ;;
  test)
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
    # The engine and the command line once more, built by clang with the sanitizers, and the
    # fuzzer for a bounded time (the fuzz.Run test); this summary is the last line printed.
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCORVANE_SANITIZE=ON -DCORVANE_FUZZ=ON -DCORVANE_BUILD_WINDOW=OFF >/dev/null
    cmake --build build-fuzz -j"$(nproc)"
    ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)"
    ;;
  build) ;;
  *) echo "usage: bash setup.sh [run|test|build]" >&2; exit 1 ;;
esac
