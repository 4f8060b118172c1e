#!/usr/bin/env bash
# Detection on the real volumes finds a loop-mounted stick marked removable.
# Exit 77 means skipped: the machine cannot attach one.
set -u
probe=$1
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../../scripts/with_memory_stick.sh" bash -c '
found=$("$1")
echo "found: $found"
[ "$found" = "$QM_STICK_DIR" ]' check "$probe"
