#!/usr/bin/env bash
# Installs every Debian package Korvalo needs to build, run and test.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake pkg-config \
  libgtest-dev libgmock-dev libbenchmark-dev \
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev \
  fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra \
  libopenal-dev libcurl4-openssl-dev libcairo2-dev \
  xvfb xfonts-base xdotool xdg-utils libx11-6 \
  clang libclang-rt-14-dev python3
