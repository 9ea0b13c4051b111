#!/usr/bin/env bash
# Sets up a fresh machine, builds, and starts TarvelStock under Wine. Without a
# display it starts a virtual one.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVEL_BUILD_DIR:-$top/build}
bash "$top/scripts/build.sh"
exe="$build/bin/TarvelStock.exe"
if [ ! -f "$exe" ]; then
  echo "TarvelStock.exe is not part of this build yet; the build produced:" >&2
  ls "$build/bin" >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$top/scripts/wine-run.sh" "$exe"
fi
exec "$top/scripts/wine-run.sh" "$exe"
