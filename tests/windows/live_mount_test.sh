#!/usr/bin/env bash
# On the real mounts: the live drive list chooses a stick mounted after it
# started, without Refresh, and shows it as gone once it is unmounted.
# Exit 77 means skipped: the machine cannot attach one.
set -u
probe=$1
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../../scripts/with_memory_stick.sh" bash -c '
set -u
probe=$1
fail() { echo "FAILED: $*"; cat "$log"; exit 1; }
loop=$(findmnt -n -o SOURCE --mountpoint "$QM_STICK_DIR") || exit 77
umount "$QM_STICK_DIR" || exit 77
log=$(mktemp)
QT_QPA_PLATFORM=offscreen "$probe" "$QM_STICK_DIR" >"$log" 2>&1 &
pid=$!
seen() { for _ in $(seq 100); do grep -qxF "$1" "$log" && return 0; sleep 0.1; done; return 1; }
seen "watching yes" || fail "the mount table is not watched"
mount "$loop" "$QM_STICK_DIR" || exit 77
seen "chosen $QM_STICK_DIR" || fail "the stick mounted after start was not chosen"
umount "$QM_STICK_DIR" || exit 77
seen "gone $QM_STICK_DIR" || fail "the unmounted stick is not shown as gone"
wait $pid || fail "the probe did not end well"
# A mount and an unmount are a few changes, not a stream of them.
[ "$(sed -n "s/^changes //p" "$log")" -le 10 ] || fail "the watcher reports changes that did not happen"
grep -q "^message:" "$log" && fail "a message was shown"
cat "$log"
echo passed' check "$probe"
