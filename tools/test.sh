#!/usr/bin/env bash
# Builds Talvern and runs the whole test suite, from a fresh machine on.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
build=${TALVERN_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" -j"$(nproc)"
# Widget tests draw offscreen; the whole-program tests start their own Xvfb.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$build" -j"$(nproc)" --output-on-failure --timeout 600
