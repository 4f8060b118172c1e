#!/usr/bin/env bash
# Configures (once) and builds into build/: everything, or the targets given
# (scripts/build.sh --target quillmere).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build "$@"
