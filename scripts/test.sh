#!/usr/bin/env bash
# Sets up a fresh machine, builds, and runs every test under Wine (with a virtual X
# display for the tests that open windows). Extra arguments go to ctest.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVEL_BUILD_DIR:-$top/build}
bash "$top/scripts/build.sh"
export WINEPREFIX="$build/wineprefix"
# Start the prefix once (slow the first time) and keep its server alive across tests.
"$top/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true
cd "$build"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash -c 'wineserver -p 60; ctest --output-on-failure -j "$(nproc)" "$@"' ctest "$@" || status=$?
WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null || true
exit $status
