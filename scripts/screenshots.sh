#!/usr/bin/env bash
# Takes the README's screenshots into docs/ from an existing build:
#   scripts/screenshots.sh [build folder]   (default: build)
# Build the quillmere_screenshots target first; this script builds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
tool="$build/quillmere_screenshots"
if [[ ! -x "$tool" ]]; then
  echo "no $tool: build the quillmere_screenshots target first" >&2
  exit 1
fi
mkdir -p docs
# The browser engine refuses to run as root with its sandbox on.
if [[ "$(id -u)" == 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
xvfb-run -a -s "-screen 0 1024x768x24" "$tool" docs
ls -l docs/main-window.png docs/preview.png
