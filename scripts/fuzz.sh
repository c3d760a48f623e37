#!/usr/bin/env bash
# Runs one fuzz target for a while, e.g. scripts/fuzz.sh draw_history 600.
# Inputs that reach new code are kept in build-asan/fuzz-found/TARGET; a
# crashing input is written to build-asan/fuzz-found/ and belongs in the
# target's seed corpus once its fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 2 ]; then
    echo "usage: scripts/fuzz.sh TARGET SECONDS   (TARGET: $(ls fuzz/corpus | sed 's/_fuzz$//' | tr '\n' ' '))"
    exit 2
fi
name="${1%_fuzz}_fuzz"
target="build-asan/fuzz/$name"
SANITIZE_BUILD_ONLY=1 bash scripts/sanitize.sh >/dev/null
found="build-asan/fuzz-found/$name"
mkdir -p "$found"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
exec "$target" -max_total_time="$2" -max_len=16384 -print_final_stats=1 \
    -artifact_prefix=build-asan/fuzz-found/ "$found" "fuzz/corpus/$name"
