#!/bin/bash
# Runs one fuzzing harness for a given time, under AddressSanitizer and
# UndefinedBehaviorSanitizer, in its own build with clang (build-fuzz):
#   ./scripts/fuzz.sh archivio 300
#   ./scripts/fuzz.sh list
# The corpus grows in build-fuzz/corpus/<harness> (kept out of version control),
# seeded with the kept cases of tests/fuzz/casi/<harness>. An input that breaks a
# property or crashes is written to build-fuzz/trovati/<harness>/; once mended, copy
# it (small, named after the fault) into tests/fuzz/casi/<harness>/ so that every
# test run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
harness=${1:-}
secondi=${2:-60}

casi=tests/fuzz/casi
if [ "$harness" = list ]; then
  ls "$casi"
  exit 0
fi
if [ -z "$harness" ] || [ ! -d "$casi/$harness" ]; then
  echo "usage: $0 <harness> [seconds]   harnesses: $(ls "$casi" | tr '\n' ' ')" >&2
  exit 2
fi

# BUILD_JOBS sets the parallel compile jobs (6 by default: the machine may be shared).
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKORVEL_FUZZ=ON -DKORVEL_SANITIZE=ON -DKORVEL_BENCH=OFF -DKORVEL_WERROR=OFF >/dev/null
cmake --build build-fuzz --target korvel_fuzz -j "${BUILD_JOBS:-6}"

corpus=build-fuzz/corpus/$harness
semi=build-fuzz/semi/$harness
trovati=build-fuzz/trovati/$harness
mkdir -p "$corpus" "$semi" "$trovati"
for f in "$casi/$harness"/*; do
  case "$f" in
    *.gz) gunzip -c "$f" >"$semi/$(basename "$f" .gz)" ;;
    *) cp "$f" "$semi/" ;;
  esac
done

export QT_QPA_PLATFORM=offscreen KORVEL_FUZZ_INGRESSO=$harness
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Inputs of up to 8 KB keep the runs quick (the replay takes larger kept cases whole).
exec build-fuzz/tests/fuzz/korvel_fuzz "$corpus" "$semi" \
  -max_total_time="$secondi" -max_len="${MAX_LEN:-8192}" -timeout=20 -rss_limit_mb=4096 \
  -artifact_prefix="$trovati/" -print_final_stats=1
