#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything: the 32-bit
# deliverables, tests and benchmarks into build/, and the same tree for 64-bit
# Windows into build-x64/. Arguments choose the builds: i686, x86_64, or
# i686-deliverables (the 32-bit tree's program and its two libraries alone).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
arches=("$@")
[ ${#arches[@]} -gt 0 ] || arches=(i686 x86_64)
for arch in "${arches[@]}"; do
  case "$arch" in
    i686|i686-deliverables) build=${TARVEL_BUILD_DIR:-$top/build} ;;
    x86_64) build=${TARVEL_BUILD_DIR_X64:-$top/build-x64} ;;
    *) echo "build.sh: unknown architecture '$arch' (i686, x86_64 or i686-deliverables)" >&2; exit 2 ;;
  esac
  targets=()
  [ "$arch" = i686-deliverables ] && targets=(--target TarvelStock Datavane KXXls)
  start=$SECONDS
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-${arch%-deliverables}-mingw.cmake" >/dev/null
  cmake --build "$build" -j "$(nproc)" "${targets[@]}"
  echo "build: $arch in $build took $((SECONDS - start)) s"
done
