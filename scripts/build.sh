#!/usr/bin/env bash
# Configures and builds into a folder (default: build). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"; shift || true
cmake -S . -B "$dir" "$@"
cmake --build "$dir" -j"$(nproc)"
