#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: the build's own Wine prefix, the
# Chinese ANSI code page (936), no Wine debug chatter. Used as CTest's emulator.
set -euo pipefail
exe=$1; shift
if [ -z "${WINEPREFIX:-}" ]; then
  # The prefix lives in the build folder that holds the program.
  dir=$(cd "$(dirname "$exe")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = / ] && dir=$(cd "$(dirname "$exe")" && pwd)
  export WINEPREFIX="$dir/wineprefix"
fi
export LC_ALL=zh_CN.UTF-8 WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Serialise the slow first start of a fresh prefix between parallel tests.
  mkdir -p "$WINEPREFIX"
  exec 9>"$WINEPREFIX.lock"; flock 9
  [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1 || true; wineserver -w || true; }
  flock -u 9
fi
exec wine "$exe" "$@"
