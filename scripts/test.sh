#!/bin/bash
# Installs what is missing, builds Korvel and runs every test: once in an ordinary
# build (with the speed benchmarks) and once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
JOBS=$(nproc)

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test -j "$JOBS"
ctest --test-dir build-test --output-on-failure -j "$JOBS" --timeout 120
# Each test binary once more as one process, its tests in a shuffled (fixed) order:
# a test that leans on state another one left behind fails here.
for t in build-test/tests/test_*; do
  if [ -x "$t" ] && [ -f "$t" ]; then "$t" --gtest_shuffle --gtest_random_seed=2027 --gtest_brief=1; fi
done
for b in build-test/bench/*_bench build-test/bench/*_wbench; do
  if [ -x "$b" ]; then "$b" --benchmark_min_time=0.05; fi
done

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEL_SANITIZE=ON -DKORVEL_BENCH=OFF
cmake --build build-asan -j "$JOBS"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$JOBS" --timeout 300
