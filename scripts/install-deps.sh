#!/usr/bin/env bash
# Installs the Debian packages Korvalo needs that are not installed yet:
#   scripts/install-deps.sh          to build, run and test it
#   scripts/install-deps.sh --play   to build and run the game only
# When nothing is missing it changes nothing and asks no one for rights.
set -euo pipefail
play=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev
  fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
  libopenal-dev libcurl4-openssl-dev libcairo2-dev
  xdg-utils libx11-6
)
tests=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xfonts-base xdotool clang libclang-rt-14-dev python3
)
wanted=("${play[@]}")
if [ "${1:-}" != "--play" ]; then wanted+=("${tests[@]}"); fi

if ! command -v dpkg-query >/dev/null; then
  echo "install-deps: not a Debian system; make sure these are installed: ${wanted[*]}" >&2
  exit 0
fi
missing=()
for package in "${wanted[@]}"; do
  status="$(dpkg-query -W -f='${db:Status-Status}\n' "$package" 2>/dev/null || true)"
  if ! grep -qx installed <<<"$status"; then missing+=("$package"); fi
done
if [ "${#missing[@]}" -eq 0 ]; then exit 0; fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Korvalo needs these Debian packages, which are not installed:" >&2
    echo "  ${missing[*]}" >&2
    echo "Install them as root, then run this again:" >&2
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
