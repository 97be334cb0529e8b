#!/usr/bin/env bash
# Sets up a Debian 12 machine for PELAGONIX (installing what is missing), builds it, and then either starts the
# application or runs every test.
#
#   ./setup.sh run    build and start the application
#   ./setup.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core clang-format
          xvfb dbus at-spi2-core python3-pyatspi)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"

case "${1:-run}" in
  run)  exec "$build/bin/pelagonix" ;;
  test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
  *)    echo "usage: $0 run|test" >&2; exit 2 ;;
esac
