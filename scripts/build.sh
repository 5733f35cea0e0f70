#!/usr/bin/env bash
# Configures and builds into a folder (default: build); extra arguments go
# to cmake. With --target NAME after the folder, only NAME and what it
# needs are built.
#   scripts/build.sh [folder] [--target NAME] [cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"; shift || true
target=()
if [ "${1:-}" = "--target" ]; then target=(--target "$2"); shift 2; fi
cmake -S . -B "$dir" "$@"
cmake --build "$dir" -j"$(nproc)" "${target[@]}"
