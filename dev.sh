#!/usr/bin/env bash
# Drives everything: installs what is missing, builds, runs.
#   ./dev.sh run        install, build and start the window program
#   ./dev.sh test       install, build and run every test headless
#   ./dev.sh sanitize   the same tests under AddressSanitizer and UBSan
#   ./dev.sh bench      build and run the core's benchmarks
#   ./dev.sh fuzz       build the libFuzzer targets with clang
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libicu-dev fonts-noto-cjk xvfb xauth x11-utils
          desktop-file-utils appstream librsvg2-bin dpkg-dev file man-db
          imagemagick libqt6svg6 xdotool python3)

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
  local preset=$1
  cmake --preset "$preset"
  cmake --build --preset "$preset"
}

case "${1:-}" in
  run)
    install_missing "${packages[@]}"
    build default
    exec build/default/app/mosuo
    ;;
  test)
    install_missing "${packages[@]}"
    build default
    ctest --preset default
    ;;
  sanitize)
    install_missing "${packages[@]}"
    build sanitize
    ctest --preset sanitize
    ;;
  bench)
    install_missing "${packages[@]}"
    build default
    # the core's Google Benchmark programs take its flags; the window's own
    # benchmark runs on its own: build/default/bench/bench_window --sizes=10,100
    for b in build/default/bench/bench_core build/default/bench/bench_adversarial; do "$b" "${@:2}"; done
    ;;
  fuzz)
    install_missing "${packages[@]}" clang libclang-rt-14-dev
    build fuzz
    ls build/fuzz/fuzz/fuzz_*
    ;;
  *)
    sed -n '2,7p' "$0"
    exit 2
    ;;
esac
