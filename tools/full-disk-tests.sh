#!/bin/sh
# full-disk-tests.sh BYTES TEST.exe [ARGS...]: runs a Windows test program
# under Wine with a folder, named in TV_FULL_DISK, on a file system of only
# BYTES (a tmpfs mounted for the run; needs root), so that writes past that
# space fail as on a full disk. A list source larger than BYTES is made
# beside it and named in TV_LARGE_SOURCE.
set -eu
size=$1
shift
dir=${TV_LANE_DIR:-$TV_BINARY_DIR}/list-tests
disk=$dir/full-disk
mkdir -p "$disk"
if mountpoint -q "$disk"; then umount -l "$disk"; fi
mount -t tmpfs -o size="$size" tmpfs "$disk"
trap 'umount -l "$disk"' EXIT
TV_LARGE_SOURCE=$dir/large-source.tvh
yes 'Line|2004/01/02' | head -c $((size + 100000)) >"$TV_LARGE_SOURCE"
TV_FULL_DISK=$disk
TV_FULL_DISK_SIZE=$size
export TV_LARGE_SOURCE TV_FULL_DISK TV_FULL_DISK_SIZE
"${TV_WINE:-wine}" "$@"
