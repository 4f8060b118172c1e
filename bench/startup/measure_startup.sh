#!/usr/bin/env bash
# Time from starting Quillmere until its window is mapped, next to an empty Qt
# window of the same size and to that window showing one line of text (which
# pays for the font set-up the empty one skips), on a private Xvfb server.
#   bench/startup/measure_startup.sh [BUILD_DIR] [RUNS] [PROGRAM]
# PROGRAM defaults to BUILD_DIR/quillmere; pass /usr/bin/quillmere to time an
# installed copy. Without a memory stick the detection message ("Error") stands
# before the main window: the first figure counts whichever window comes first,
# the second closes the message at once and waits for the main window.
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

for file in "$program" "$empty" "$label"; do
  [ -x "$file" ] || { echo "not built: $file" >&2; exit 1; }
done
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
unset QT_QPA_PLATFORM

measure() {
  python3 "$here/window_probe.py" startup --runs "$runs" "$@" "$empty" "$label" "$program" | grep ^median
}
echo "First window mapped:"
measure --title Quillmere --title Error
echo "Main window mapped, detection message closed:"
measure --title Quillmere --dismiss Error
