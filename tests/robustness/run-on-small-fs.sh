#!/usr/bin/env bash
# Runs the full-disk test on a small tmpfs of its own: 64 kB and 32 inodes,
# mounted in a private mount namespace (as root, or in a user namespace where
# the system allows them), so nothing outside sees it. Where no such mount can
# be made, the failing-device cases of the settings file test stand in.
# Usage: run-on-small-fs.sh <tst_fulldisk> <tst_settingsfile>
set -euo pipefail
fulldisk=$1
seam=$2
dir=$(mktemp -d)
trap 'rmdir "$dir" 2>/dev/null || true' EXIT
mount_and_run='mount -t tmpfs -o size=64k,nr_inodes=32,mode=700 kalkora-small "$1" &&
    KALKORA_SMALL_FS="$1" "$2"'
if unshare --mount --propagation private true 2>/dev/null; then
    exec unshare --mount --propagation private bash -c "$mount_and_run" _ "$dir" "$fulldisk"
elif unshare --map-root-user --mount true 2>/dev/null; then
    exec unshare --map-root-user --mount bash -c "$mount_and_run" _ "$dir" "$fulldisk"
fi
echo "no small file system can be mounted here; the failing-device cases stand in"
exec "$seam" failingDisk
