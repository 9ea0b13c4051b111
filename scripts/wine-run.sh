#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: the build's own Wine prefix, the
# Chinese ANSI code page (936), no Wine debug chatter. Used as CTest's emulator.
# A 64-bit program runs under 64-bit Wine in a win64 prefix, a 32-bit one under
# 32-bit Wine in a win32 prefix; the program's PE header says which. A name that is
# not a file (a Wine built-in such as "cmd") runs under $WINEARCH, 32-bit by default.
set -euo pipefail
exe=$1; shift

# PE machine field: 0x14c is i386, 0x8664 is x86-64.
pe_machine() {
  local pe
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 0
  [ -n "$pe" ] && od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}
arch=${WINEARCH:-win32}
if [ -f "$exe" ]; then
  case "$(pe_machine "$exe")" in
    8664) arch=win64 ;;
    014c) arch=win32 ;;
  esac
fi
if [ "$arch" = win64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
else
  export WINELOADER=/usr/lib/wine/wine
fi

if [ -z "${WINEPREFIX:-}" ]; then
  # The prefix lives in the build folder that holds the program.
  dir=$(cd "$(dirname "$exe")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = / ] && dir=$(cd "$(dirname "$exe")" && pwd)
  export WINEPREFIX="$dir/wineprefix"
fi
export LC_ALL=zh_CN.UTF-8 WINEARCH=$arch WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Serialise the slow first start of a fresh prefix between parallel tests.
  mkdir -p "$WINEPREFIX"
  exec 9>"$WINEPREFIX.lock"; flock 9
  [ -f "$WINEPREFIX/system.reg" ] || { "$WINELOADER" wineboot -i >/dev/null 2>&1 || true; wineserver -w || true; }
  flock -u 9
fi
# The skin names the face every Chinese Windows has; here WenQuanYi Micro Hei
# (fonts-wqy-microhei) stands in for it, so that Chinese text shows. Once per prefix.
if [ ! -f "$WINEPREFIX/.tarvel-fonts" ]; then
  exec 9>"$WINEPREFIX.lock"; flock 9
  if [ ! -f "$WINEPREFIX/.tarvel-fonts" ]; then
    for face in 微软雅黑 "Microsoft YaHei" 宋体 SimSun 新宋体 NSimSun; do
      "$WINELOADER" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 || true
    done
    touch "$WINEPREFIX/.tarvel-fonts"
  fi
  flock -u 9
fi
# Wine's server, the services it boots and the desktop process it starts keep the
# standard output and error of the program that made them start, for as long as
# the server runs. CTest waits for the end of a test's output, not only for its
# process: the test that happened to start the server (the first one on a fresh
# server, usually the first fixture) would wait for every other test to end. So,
# unless the output is a terminal, the program writes into files of its own, and
# only this script's live copy of them reaches the caller.
if [ -t 1 ] && [ -t 2 ]; then
  exec "$WINELOADER" "$exe" "$@"
fi
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
err=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
"$WINELOADER" "$exe" "$@" 0<&0 >"$out" 2>"$err" &
pid=$!
trap 'kill $pid 2>/dev/null' TERM INT HUP
tail -s 0.1 -f --pid=$pid "$out" &
tail_out=$!
tail -s 0.1 -f --pid=$pid "$err" >&2 &
tail_err=$!
status=0
wait $pid || status=$?
wait $tail_out $tail_err || true
rm -f "$out" "$err"
exit $status
