#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan, runs the whole test suite there,
# then runs every fuzz target over its seed corpus plus a fixed number of new
# inputs with a fixed seed, so a run is repeatable. Any sanitizer report or
# broken promise fails the script.
#   FUZZ_RUNS=N  new inputs per target (default 10000)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

runs="${FUZZ_RUNS:-10000}"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

start=$(date +%s)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$flags -fsanitize=fuzzer-no-link" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DNUMBRAVA_FUZZ=ON >/dev/null
cmake --build build-asan --parallel "$(nproc)"
built=$(date +%s)
if [ "${SANITIZE_BUILD_ONLY:-0}" = 1 ]; then exit 0; fi

# Qt and the system libraries keep some memory to the end on purpose; leaks
# are looked for by the fuzz targets, which run only our code.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure --timeout 600 -j "$(nproc)"
tested=$(date +%s)

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
# The targets write a file per input: memory is faster than a disk there.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
for target in build-asan/fuzz/*_fuzz; do
    name=$(basename "$target")
    corpus="fuzz/corpus/$name"
    echo "== $name: seed corpus plus $runs new inputs"
    # A scratch copy: new inputs the run finds never land in the repository.
    work=$(mktemp -d)
    status=0
    "$target" -runs="$runs" -seed=1 -max_len=16384 -print_final_stats=1 \
        -artifact_prefix="build-asan/" "$work" "$corpus" >"$work.log" 2>&1 || status=$?
    grep -E "stat::number_of_executed_units|Done" "$work.log" || true
    if [ "$status" -ne 0 ]; then
        tail -60 "$work.log"
        echo "$name failed (status $status); the input is in build-asan/"
        exit 1
    fi
    rm -rf "$work" "$work.log"
done
done_at=$(date +%s)
echo "sanitizer run: build $((built - start)) s, tests $((tested - built)) s, fuzzing $((done_at - tested)) s"
