#!/usr/bin/env bash
# Smoke test of the built game on a virtual X display: the real window,
# the real SDL back end, OpenAL's null device and the real statistics
# library against a loopback server, driven with xdotool from the menu
# through NEW GAME and the purchase into a run and back.
#   scripts/smoke.sh [build folder]      (default: build)
# Screenshots (menu, depot, run), the log and the measured figures go to
# <build folder>/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
for tool in Xvfb xdotool python3; do
  command -v "$tool" >/dev/null || { echo "smoke: $tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done
if [ ! -x "$dir/game/korvalo" ]; then
  cmake --build "$dir" -j"$(nproc)" --target korvalo send
fi
exec python3 scripts/smoke.py --build "$dir"
