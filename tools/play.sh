#!/usr/bin/env bash
# Builds Talvern and starts it, from a fresh machine on.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
build=${TALVERN_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" -j"$(nproc)"
if [ -x "$build/mainwindow/talvern" ]; then
  exec "$build/mainwindow/talvern" "$@"
fi
# Until the cabinet is built, show what the engine knows.
exec "$build/tools/odds/talvern-odds" census "$@"
