#!/usr/bin/env bash
# Installs what building and testing Tempovista needs on a Debian machine.
# Does nothing when everything is already there; needs root to install.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg_ok() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

for p in cmake g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev \
         g++-mingw-w64-i686-posix mingw-w64-i686-dev wine wine32:i386 fonts-wine xvfb \
         python3-pyftpdlib imagemagick xdotool x11-apps; do
  pkg_ok "$p" || need+=("$p")
done

if [ ${#need[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" != 0 ]; then
  echo "Missing packages: ${need[*]}; run this script as root to install them." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
