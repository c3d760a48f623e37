#!/usr/bin/env bash
# Builds Numbrava and runs every test offscreen; ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
