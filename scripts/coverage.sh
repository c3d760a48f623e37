#!/usr/bin/env bash
# Builds the tests with gcc's coverage counters into build-coverage/, runs the
# whole test program offscreen and prints line and branch coverage of src/
# (the full report lands in build-coverage/coverage.txt). Extra arguments go
# to the test program, e.g. --gtest_filter='Typed*'.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build build-coverage --parallel "${JOBS:-2}" \
  --target numbrava_tests csv2rtl demo_histories shipped_data

# Counters left by an earlier run would add up with this one.
find build-coverage -name '*.gcda' -delete
status=0
QT_QPA_PLATFORM=offscreen build-coverage/bin/numbrava_tests --gtest_brief=1 "$@" || status=$?

# ccache hands the compiler paths relative to the folder each target is
# built in, so gcov reads each target's counters from that folder; the parts
# are then added up. Branches the compiler adds for exceptions are not
# decisions in our code.
common=(--root . --filter 'src/' --exclude-throw-branches --exclude-unreachable-branches)
parts=()
for dir in build-coverage build-coverage/tests build-coverage/tools/*; do
  [ -d "$dir" ] || continue
  objects="$dir/CMakeFiles"
  [ "$dir" = build-coverage ] && objects="$dir/CMakeFiles/numbrava_lib.dir"
  part="build-coverage/coverage-$(basename "$dir").json"
  gcovr "${common[@]}" --object-directory "$dir" --json "$part" "$objects" 2>/dev/null
  parts+=(--add-tracefile "$part")
done
gcovr --root . --filter 'src/' "${parts[@]}" --txt build-coverage/coverage.txt --print-summary
exit "$status"
