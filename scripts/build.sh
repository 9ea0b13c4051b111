#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything: the 32-bit
# deliverables, tests and benchmarks into build/, and the same tree for 64-bit
# Windows into build-x64/. Arguments choose one build: i686 or x86_64.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
arches=("$@")
[ ${#arches[@]} -gt 0 ] || arches=(i686 x86_64)
for arch in "${arches[@]}"; do
  case "$arch" in
    i686)   build=${TARVEL_BUILD_DIR:-$top/build} ;;
    x86_64) build=${TARVEL_BUILD_DIR_X64:-$top/build-x64} ;;
    *) echo "build.sh: unknown architecture '$arch' (i686 or x86_64)" >&2; exit 2 ;;
  esac
  start=$SECONDS
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-$arch-mingw.cmake" >/dev/null
  cmake --build "$build" -j "$(nproc)"
  echo "build: $arch in $build took $((SECONDS - start)) s"
done
