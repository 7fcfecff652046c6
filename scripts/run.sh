#!/bin/bash
# Installs what is missing, builds Korvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF
cmake --build build --target korvel
cd resources/run && exec ../../build/src/korvel
