#!/usr/bin/env bash
# Installs what the game needs if anything is missing, builds the game
# (not the tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

# What the set-up says on its way passes through a relay that drops what
# cannot be written and reads on, so that output nobody reads any more
# (`play.sh | head -1`, a closed log viewer) does not keep the game from
# starting.
relay() {
  trap '' PIPE
  while IFS= read -r line || [ -n "$line" ]; do printf '%s\n' "$line" 2>/dev/null || true; done
}

set_up() {
  bash scripts/install-deps.sh --play
  # A new build folder is set up without the tests and benchmarks, whose
  # packages a player need not have; one that scripts/test.sh set up keeps
  # them (only the game is built here either way).
  local options=()
  if [ ! -f build/CMakeCache.txt ]; then options=(-DKORVALO_TESTS=OFF -DKORVALO_BENCH=OFF); fi
  bash scripts/build.sh build --target korvalo "${options[@]}"
}

set_up > >(relay) 2> >(relay >&2)
cd build/game
exec ./korvalo
