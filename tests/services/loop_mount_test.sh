#!/usr/bin/env bash
# On the real volumes: detection finds a loop-mounted stick marked removable,
# also under a mount point that is not UTF-8; Make writes there, and once the
# stick is unmounted it writes nothing into the folder left behind.
# Exit 77 means skipped: the machine cannot attach one.
set -u
probe=$1
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../../scripts/with_memory_stick.sh" bash -c '
set -u
probe=$1
latin="$(dirname "$QM_STICK_DIR")/Caf"$'"'"'\xe9'"'"'
mkdir "$latin" && mount --bind "$QM_STICK_DIR" "$latin" || exit 77
fail() { echo "FAILED: $*"; exit 1; }
found=$("$probe")
echo "found: $found"
[ "$found" = "$latin" ] || fail "the stick under a Latin-1 name was not found"
"$probe" make "$latin" || fail "Make on the mounted stick"
[ "$(cat "$latin/index.html")" = "<B>page</B>"$'"'"'\r'"'"' ] || fail "the page on the stick"
umount "$latin" || exit 77
out=$("$probe" make "$latin") && fail "Make succeeded on an unmounted stick: $out"
echo "$out"
case $out in *"no longer there"*) ;; *) fail "the message does not say the stick is gone";; esac
[ -z "$(ls -A "$latin")" ] || fail "something was written into the folder left behind"
echo passed' check "$probe"
