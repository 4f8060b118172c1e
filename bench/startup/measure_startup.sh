#!/usr/bin/env bash
# Time from starting Quillmere until its window is mapped, on a private Xvfb
# server, next to three plain Qt windows of the same size: empty; showing one
# line of text (a label lays it out only when painted, after the mapping); and
# holding one text field (which lays out its text before the mapping, as every
# window with a field must).
#   bench/startup/measure_startup.sh [BUILD_DIR] [RUNS] [PROGRAM]
# PROGRAM defaults to BUILD_DIR/quillmere; pass /usr/bin/quillmere to time an
# installed copy. Without a memory stick the detection message ("Error") stands
# before the main window: the first figure counts whichever window comes first,
# the second closes the message at once and waits for the main window. As root,
# a third figure times the usual case: a stick attached, no message.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${QM_ON_XVFB:-}" ]; then
  QM_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
build=${1:-$here/../../build}
runs=${2:-10}
program=${3:-$build/quillmere}
empty=$build/bench/startup/bench_empty_window
label=$build/bench/startup/bench_label_window
field=$build/bench/startup/bench_field_window

for file in "$program" "$empty" "$label" "$field"; do
  [ -x "$file" ] || { echo "not built: $file" >&2; exit 1; }
done
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
unset QT_QPA_PLATFORM

measure() {
  python3 "$here/window_probe.py" startup --runs "$runs" "$@" "$empty" "$label" "$field" "$program" | grep ^median
}
export -f measure
export here runs empty label field program
echo "First window mapped:"
measure --title Quillmere --title Error
echo "Main window mapped, detection message closed:"
measure --title Quillmere --dismiss Error
if [ "$(id -u)" -eq 0 ]; then
  echo "Main window mapped, memory stick attached:"
  "$here/../../scripts/with_memory_stick.sh" bash -c 'measure --title Quillmere' ||
    echo "(no stick could be attached here)"
fi
