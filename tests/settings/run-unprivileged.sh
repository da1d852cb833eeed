#!/usr/bin/env bash
# Runs a test executable as an unprivileged user, so that file permissions
# bind it: CI runs as root, and root writes through any read-only bit.
# Usage: run-unprivileged.sh <test executable> [test arguments...]
set -euo pipefail
exe=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$exe" "$@"
fi
# The build tree may lie under a folder only root can enter.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$exe" "$dir/"
chmod 755 "$dir" "$dir/$(basename "$exe")"
cd /tmp
setpriv --reuid=nobody --regid=nogroup --clear-groups "$dir/$(basename "$exe")" "$@"
