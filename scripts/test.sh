#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, headless GUI and system tests,
# then each test program whole in shuffled orders.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
# The browser engine refuses to run as root with its sandbox on.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
ctest --test-dir build --output-on-failure -j "$(nproc)"
# Each test program once more as a whole, in three fixed shuffled orders.
python3 scripts/shuffled_tests.py build 1 2 3
