#!/usr/bin/env bash
# Installs what the game needs, builds it and runs the whole test suite.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  ASan + UBSan build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
# The options are all given, so a folder that scripts/play.sh set up
# without the tests gets them back.
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan; extra=(-DKORVALO_TESTS=ON -DKORVALO_SANITIZE=ON -DKORVALO_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
else
  dir=build; extra=(-DKORVALO_TESTS=ON -DKORVALO_BENCH=ON)
fi
if [ "${KORVALO_SKIP_INSTALL:-0}" != "1" ]; then bash scripts/install-deps.sh; fi
# The build runs the asset generator, so the sanitizer settings come first.
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
bash scripts/build.sh "$dir" "${extra[@]}"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
