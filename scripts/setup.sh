#!/usr/bin/env bash
# Installs what the build, the program and its headless tests need; does nothing when all is there.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-webengine-dev qt6-webchannel-dev qt6-tools-dev qt6-translations-l10n
  libgl-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho xdg-utils nodejs
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
