#!/usr/bin/env bash
# Sets up, builds and starts Quillmere.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh --target quillmere
exec ./build/quillmere "$@"
