#!/usr/bin/env bash
# Builds Numbrava and starts it on its data folder (build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/numbrava "$@"
