#!/usr/bin/env bash
# Installs what the game needs if anything is missing, builds the game
# (not the tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --play
# A new build folder is set up without the tests and benchmarks, whose
# packages a player need not have; one that scripts/test.sh set up keeps
# them (only the game is built here either way).
options=()
if [ ! -f build/CMakeCache.txt ]; then options=(-DKORVALO_TESTS=OFF -DKORVALO_BENCH=OFF); fi
bash scripts/build.sh build --target korvalo "${options[@]}"
cd build/game
exec ./korvalo
