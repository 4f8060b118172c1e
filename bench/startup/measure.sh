#!/usr/bin/env bash
# Times Quillmere next to Qt programs that do the same the ordinary way, and
# prints the table: start to main window mapped and completely painted (its
# pixels unchanged for 30 ms), against the main window's layout built from
# stock Qt widgets (also once asking to be active right after it shows) and
# against an empty window; the "Live Preview" click to
# the red page painted, first press and after closing the preview, against a
# button that opens a bare browser view on the same file; the memory in use a
# second after start.
#   bench/startup/measure.sh [BUILD_DIR] [RUNS] [PREVIEW_RUNS]
# BUILD_DIR defaults to ./build; RUNS (51) starts and PREVIEW_RUNS (5)
# previews per program, plus one warm-up round. Needs root: the main window
# comes up with a memory stick attached (scripts/with_memory_stick.sh), as it
# usually does, without the detection message. Runs on its own Xvfb server
# without a window manager.
# The timing tool is mapwait, built here from $MAPWAIT_SOURCE (by default
# ../shared/tools/mapwait.c beside this repository), or taken ready-made from
# $MAPWAIT; it needs the libX11 and libXtst headers (libx11-dev, libxtst-dev).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
if [ "${1:-}" = -h ] || [ "${1:-}" = --help ]; then
  sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//'
  exit 0
fi
build=$(cd "${1:-$repo/build}" && pwd)
runs=${2:-51}
preview_runs=${3:-5}

for file in quillmere bench/startup/bench_stock_layout bench/startup/bench_empty_window \
            bench/startup/bench_bare_view_button; do
  [ -x "$build/$file" ] || { echo "not built: $build/$file" >&2; exit 1; }
done
[ "$(id -u)" -eq 0 ] || { echo "run as root: the main window is timed with a memory stick attached" >&2; exit 1; }

if [ -z "${MAPWAIT:-}" ]; then
  source=${MAPWAIT_SOURCE:-$repo/../shared/tools/mapwait.c}
  MAPWAIT=$build/bench/startup/mapwait
  if [ ! -x "$MAPWAIT" ] || [ "$source" -nt "$MAPWAIT" ]; then
    [ -f "$source" ] || { echo "mapwait: neither \$MAPWAIT nor its source $source" >&2; exit 1; }
    cc -O2 "$source" -o "$MAPWAIT" -lX11 -lXtst
  fi
fi
export MAPWAIT

# Display sockets are abstract ones too, seen across containers that share the
# network: xvfb-run -a only looks for lock files, so it can pick a number that
# another machine's server answers. Pick one that nothing listens on.
free_display() {
  local n
  while :; do
    n=$((200 + RANDOM % 700))
    [ -e "/tmp/.X$n-lock" ] || { command -v ss >/dev/null && ss -xl | grep -q "X11-unix/X$n "; } || { echo "$n"; return; }
  done
}
if [ -z "${QM_ON_XVFB:-}" ]; then
  QM_ON_XVFB=1 exec xvfb-run -n "$(free_display)" -s "-noreset -screen 0 1280x1024x24" "$0" "$build" "$runs" "$preview_runs"
fi
unset QT_QPA_PLATFORM
export QTWEBENGINE_DISABLE_SANDBOX=1
echo "Timing on $DISPLAY: $runs starts and $preview_runs previews per program; load now: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
"$repo/scripts/with_memory_stick.sh" python3 -B "$here/measure.py" --mapwait "$MAPWAIT" --build "$build" \
  --runs "$runs" --preview-runs "$preview_runs" --layout "$repo/windows/layouts/Form1.json"
