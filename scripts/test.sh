#!/usr/bin/env bash
# Sets up a fresh machine, builds both trees, and runs every test under Wine (with a
# virtual X display for the tests that open windows). The 64-bit suite runs on every
# machine; the 32-bit suite runs too wherever 32-bit Wine starts (some kernels cannot
# execute 32-bit Linux programs at all). Extra arguments go to ctest.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"

# Runs one build's suite in its own prefix and display; prints nothing on its own.
run_suite() {
  local build=$1; shift
  # The tests have a prefix of their own, apart from the one scripts/run.sh uses.
  export WINEPREFIX="$build/wineprefix-test"
  # Start the prefix once (slow the first time) and keep its server alive across tests.
  "$top/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true
  # Xvfb has no window manager. Wine waits up to 2 s for one to confirm that a
  # managed window was hidden, on every menu, popup, dialog and main window a test
  # closes; windows that Wine handles itself close at once, as on Windows.
  "$top/scripts/wine-run.sh" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  local status=0
  (cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash -c 'wineserver -p 60; ctest --output-on-failure -j "$(nproc)" "$@"' ctest "$@") || status=$?
  wineserver -k 2>/dev/null || true
  unset WINEPREFIX
  return $status
}

# 32-bit Wine is tried for real: a kernel without 32-bit support fails to exec it.
can_run_32bit() {
  WINEARCH=win32 WINEPREFIX="$top/build/wineprefix" \
    "$top/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1
}

# Where the 32-bit suite cannot run, only the 32-bit deliverables are built: they
# must still build, and their tests would be built for nothing.
if can_run_32bit; then
  bash "$top/scripts/build.sh" x86_64 i686
  run32=yes
else
  bash "$top/scripts/build.sh" x86_64 i686-deliverables
  run32=no
fi

summary=()
status=0
for suite in x86_64 i686; do
  if [ "$suite" = x86_64 ]; then
    build=${TARVEL_BUILD_DIR_X64:-$top/build-x64}
  else
    build=${TARVEL_BUILD_DIR:-$top/build}
    if [ "$run32" = no ]; then
      summary+=("i686: deliverables built, tests not run (this machine cannot start 32-bit Wine)")
      continue
    fi
  fi
  start=$SECONDS
  if WINEARCH=$([ "$suite" = x86_64 ] && echo win64 || echo win32) run_suite "$build" "$@"; then
    summary+=("$suite: passed ($((SECONDS - start)) s)")
  else
    summary+=("$suite: FAILED ($((SECONDS - start)) s)")
    status=1
  fi
done
echo
echo "Test suites:"
printf '  %s\n' "${summary[@]}"
exit $status
