#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR). Extra arguments go to cmake's configure step.
# Makefiles rather than Ninja: with Ninja, Qt's moc step misses headers that a merge adds to a folder.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
if [ -f "$BUILD_DIR/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles' "$BUILD_DIR/CMakeCache.txt"; then
  rm -rf "$BUILD_DIR"
fi
cmake -S . -B "$BUILD_DIR" -G "Unix Makefiles" "$@" >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
