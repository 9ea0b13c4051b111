#!/usr/bin/env bash
# Installs everything TarvelStock needs to build and run on a fresh Debian 12 machine:
# the i686 and x86_64 mingw-w64 toolchains, 32- and 64-bit Wine, Xvfb, fonts, Debian's
# spreadsheet readers and writers for Python (the independent readers of KXXls's
# files and the generator of its fixtures) and the third-party sources (SQLite3
# Multiple Ciphers, minizip). Idempotent; fast when
# everything is present.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deps="$top/deps"
mkdir -p "$deps"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
          libz-mingw-w64-dev libstb-dev googletest
          cmake ninja-build xvfb xauth imagemagick fonts-wqy-microhei locales dpkg-dev
          python3 python3-xlrd python3-openpyxl python3-xlwt)
need=()
# npm: the machine's Node.js may already bring its own; Debian's npm would conflict with it.
command -v npm >/dev/null || packages+=(npm)
dpkg --print-foreign-architectures | grep -qx i386 || { as_root dpkg --add-architecture i386; need_update=1; }
for p in "${packages[@]}" wine32:i386 wine64 wine; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || need+=("$p")
done

src_list=/etc/apt/sources.list.d/tarvelstock-src.sources
if [ ! -f "$src_list" ]; then
  as_root tee "$src_list" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi

if [ ${#need[@]} -gt 0 ] || [ -n "${need_update:-}" ] || [ ! -d "$deps/minizip-src" ]; then
  as_root apt-get update -qq
fi
if [ ${#need[@]} -gt 0 ]; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

# Chinese locale: Wine takes its ANSI code page (936) from LC_ALL=zh_CN.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

# minizip comes as Debian source and is built with the project's own toolchain.
if [ ! -f "$deps/minizip-src/unzip.c" ]; then
  tmp=$(mktemp -d)
  (cd "$tmp" && apt-get source -qq --download-only minizip >/dev/null && dpkg-source -x --no-check ./*.dsc src >/dev/null)
  rm -rf "$deps/minizip-src"
  if [ -f "$tmp/src/contrib/minizip/unzip.c" ]; then mv "$tmp/src/contrib/minizip" "$deps/minizip-src"
  else mv "$tmp/src" "$deps/minizip-src"; fi
  rm -rf "$tmp"
fi

# SQLite3 Multiple Ciphers amalgamation, out of the npm package that bundles it.
if [ ! -f "$deps/sqlite3/sqlite3.c" ]; then
  tmp=$(mktemp -d)
  (cd "$tmp" && npm pack --silent better-sqlite3-multiple-ciphers@12 >/dev/null && tar xzf ./*.tgz)
  rm -rf "$deps/sqlite3"
  mv "$tmp/package/deps/sqlite3" "$deps/sqlite3"
  rm -rf "$tmp"
fi

echo "setup: done"
