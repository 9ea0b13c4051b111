#!/usr/bin/env bash
# Sets up a fresh machine, builds, and starts TarvelStock under Wine: the 32-bit
# program where this machine can start 32-bit Wine, otherwise the 64-bit build,
# saying which. Without a display it starts a virtual one.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build32=${TARVEL_BUILD_DIR:-$top/build}
build64=${TARVEL_BUILD_DIR_X64:-$top/build-x64}
bash "$top/scripts/build.sh"
if WINEARCH=win32 WINEPREFIX="$build32/wineprefix" "$top/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1; then
  build=$build32; echo "run: the 32-bit program (build/)"
else
  build=$build64; echo "run: this machine cannot start 32-bit Wine; running the 64-bit build (build-x64/)"
fi
exe="$build/bin/TarvelStock.exe"
if [ ! -f "$exe" ]; then
  echo "run: $exe was not built" >&2
  exit 1
fi
# The program binds Datavane.dll and KXXls.dll from its own folder (build/bin).
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$top/scripts/wine-run.sh" "$exe"
fi
exec "$top/scripts/wine-run.sh" "$exe"
