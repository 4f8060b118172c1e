#!/usr/bin/env bash
# Installs the built program under a prefix with spaces in it and checks that
# every file lands where desktops look for it.
set -euo pipefail
build=$1
source "$(dirname "$0")/tree_checks.sh"
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$build/quillmere" ] || { echo "SKIP: quillmere is not built in $build"; exit 77; }

root=$(mktemp -d "${TMPDIR:-/tmp}/q pre fix.XXXXXX")
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
check_tree "$root"
echo "installed tree in '$root' is complete"
