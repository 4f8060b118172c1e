#!/usr/bin/env bash
# Runs a command while a memory stick is attached: a file-system image with
# MEMSTICK.IND, loop-mounted in a private mount namespace and marked removable.
# The command finds the mount point in $QM_STICK_DIR. Needs root.
#   scripts/with_memory_stick.sh COMMAND [ARG...]
# Exit status 77 means the machine cannot do it (no root, loop devices, or mounts).
set -u
skip() { echo "no memory stick: $*" >&2; exit 77; }
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || skip "needs root"
for tool in losetup unshare mount; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
truncate -s 8M "$work/stick.img"
# A memory stick is FAT; kernels without vfat get ext2 instead.
if grep -qw vfat /proc/filesystems && command -v mkfs.vfat >/dev/null; then
  mkfs.vfat -n PSPSTICK "$work/stick.img" >/dev/null || skip "mkfs.vfat failed"
elif grep -qw ext2 /proc/filesystems && command -v mkfs.ext2 >/dev/null; then
  mkfs.ext2 -q -L PSPSTICK "$work/stick.img" || skip "mkfs.ext2 failed"
else
  skip "no file system to put on the image"
fi
unshare -m bash -s "$work" "$@" <<'INNER'
set -u
work=$1; shift
mount --make-rprivate / || exit 77
loop=$(losetup -f --show "$work/stick.img" 2>/dev/null) || exit 77
trap 'umount "$work/PSP stick" 2>/dev/null; losetup -d "$loop"' EXIT
mkdir "$work/PSP stick"
mount "$loop" "$work/PSP stick" || exit 77
touch "$work/PSP stick/MEMSTICK.IND"
echo 1 > "$work/removable"
mount --bind "$work/removable" "/sys/block/$(basename "$loop")/removable" || exit 77
QM_STICK_DIR="$work/PSP stick" "$@"
INNER
status=$?
[ $status -eq 77 ] && skip "loop devices or mounts are not available"
exit $status
