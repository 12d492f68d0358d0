#!/usr/bin/env bash
# Installs what building and testing Tempovista needs on a Debian machine.
# Does nothing when everything is already there; needs root to install.
#   setup.sh          the packages (the date-holidays package is installed
#                     when the holiday lists are written: tools/holidays)
#   setup.sh i386     also lets this kernel run 32-bit programs, under qemu's
#                     emulation where it cannot run them itself
#   setup.sh native32 only answers: exit 0 when the kernel runs 32-bit
#                     programs itself, 1 when they are emulated or refused
set -euo pipefail

qemu=/proc/sys/fs/binfmt_misc/qemu-i386

native32() {
  # We register the emulation only where the kernel refuses 32-bit programs.
  if [ -e $qemu ] && head -1 $qemu | grep -qx enabled; then return 1; fi
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

if [ "${1:-}" = native32 ]; then
  native32
  exit
fi

need=()
pkg_ok() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

for p in cmake ccache g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev \
         g++-mingw-w64-i686-posix mingw-w64-i686-dev \
         g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
         wine wine64 wine32:i386 fonts-wine xvfb python3-pyftpdlib python3-numpy \
         imagemagick xdotool x11-apps qemu-user-static nsis python3-xlib \
         locales fonts-ipafont-gothic libgnutls30 libgnutls30:i386 openssl; do
  pkg_ok "$p" || need+=("$p")
done
# Wine's https needs GnuTLS, which Debian installs only as a recommendation;
# the web lists' tests make their certificates with openssl.
# Node.js writes the ready-made holiday lists. Any node and npm on the PATH
# will do (some installs of Node bring their own npm).
command -v node >/dev/null || need+=(nodejs)
command -v npm >/dev/null || need+=(npm)

if [ ${#need[@]} -gt 0 ]; then
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
fi

# Wine takes its code page from the locale where the manifest does not set
# it, and the tests run programs under these: Western and Japanese for the
# older systems' code pages, and the scripts of the names.
for l in en_US ja_JP el_GR ru_RU he_IL; do
  locale -a 2>/dev/null | grep -qix "$l.utf-\?8" && continue
  if [ "$(id -u)" != 0 ]; then
    echo "Missing locale $l.UTF-8; run this script as root to make it." >&2
    exit 1
  fi
  localedef -i "$l" -f UTF-8 "$l.UTF-8"
done

[ "${1:-}" = i386 ] || exit 0

# Wine runs the i686 build with its 32-bit half. Some kernels are built or
# booted without 32-bit support ("Exec format error"); there 32-bit programs
# run under qemu's user-mode emulation, registered with binfmt_misc. Slower,
# but the same .exe.
if [ -e $qemu ]; then
  grep -qx enabled $qemu || echo 1 >$qemu
elif ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  if [ "$(id -u)" != 0 ]; then
    echo "This kernel cannot run 32-bit programs; run this script as root to register qemu for them." >&2
    exit 1
  fi
  bm=/proc/sys/fs/binfmt_misc
  [ -e $bm/register ] || mount -t binfmt_misc binfmt_misc $bm
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' > $bm/register
fi
/lib/ld-linux.so.2 --version >/dev/null 2>&1 || { echo "32-bit programs still cannot run" >&2; exit 1; }
