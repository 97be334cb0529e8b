#!/usr/bin/env bash
# Sets up a Debian 12 machine for PELAGONIX (installing what is missing), builds it, and then either starts the
# application or runs every test.
#
#   ./setup.sh run            build and start the application
#   ./setup.sh test           build and run every test
#   ./setup.sh package        build the Debian package (build/pelagonix_*.deb), validate its menu entry and
#                             AppStream metadata, and check the package with lintian (no error, no warning)
#   ./setup.sh fuzz [SECONDS] build the fuzz targets with clang and the sanitizers and run each for SECONDS
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}

packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core clang-format qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
          xvfb dbus at-spi2-core python3-pyatspi)
case "$mode" in
  package) packages+=(dpkg-dev desktop-file-utils appstream lintian) ;;
  fuzz)    packages+=(clang libclang-rt-14-dev) ;;
esac
tools/install-missing.sh "${packages[@]}"

# The fuzz targets have a build of their own, by clang.
[ "$mode" = fuzz ] && exec fuzz/run "${2:-90}"

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"

case "$mode" in
  run)  exec "$build/bin/pelagonix" ;;
  test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
  package)
    (cd "$build" && cpack -G DEB)
    desktop-file-validate "$build"/packaging/*.desktop
    appstreamcli validate --no-net "$build"/packaging/*.metainfo.xml
    lintian --fail-on error,warning "$build"/pelagonix_*.deb
    ls "$build"/pelagonix_*.deb ;;
  *)    echo "usage: $0 run|test|package|fuzz [SECONDS]" >&2; exit 2 ;;
esac
