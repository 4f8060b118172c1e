#!/usr/bin/env bash
# Starts the program in a D-Bus session of its own with the AT-SPI registry and
# reads its accessible tree; 77 (skipped) when a piece of that is missing.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
for tool in dbus-run-session xvfb-run xauth xdotool /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (dbus, xvfb, xdotool, at-spi2-core)"; exit 77; }
done
# pyatspi is Debian's package for the system's interpreter, not any other.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
[ -x "$program" ] || { echo "SKIP: $program is not built"; exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-a11y.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
unset QT_QPA_PLATFORM
cd "$work"
# Qt exposes its tree once a reader asks for it; no reader runs here.
timeout 90 dbus-run-session -- env XDG_RUNTIME_DIR="$work/run" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  xvfb-run -a /usr/bin/python3 "$here/accessible_tree.py" "$program" 2>"$work/stderr" \
  || { grep -v 'dbus-daemon' "$work/stderr" | tail -20; exit 1; }
