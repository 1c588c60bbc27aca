#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test headless. APD_SANITIZE=1 builds with ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
extra=(-DAPD_TESTS=ON)
if [ "${APD_SANITIZE:-0}" = "1" ]; then
  export BUILD_DIR="${BUILD_DIR:-build-asan}"
  extra+=(-DAPD_SANITIZE=ON -DAPD_BENCHMARKS=OFF)
else
  extra+=(-DAPD_SANITIZE=OFF)
fi
export BUILD_DIR="${BUILD_DIR:-build}"
bash scripts/build.sh "${extra[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)" --timeout 300 --no-tests=error
