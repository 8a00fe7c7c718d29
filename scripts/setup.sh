#!/usr/bin/env bash
# Installs what the build, the program and its headless tests need; does nothing when all is there.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-webengine-dev qt6-webchannel-dev qt6-translations-l10n
  libgl-dev libbenchmark-dev libuchardet-dev
  fonts-ipafont-gothic fonts-ipafont-mincho xdg-utils nodejs
  desktop-file-utils appstream
  chromium
)
# Another engine for a smoke check of exported pages, where the system offers it.
optional=(firefox-esr)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm comes with some builds of nodejs; Debian's own packs it apart.
command -v npm >/dev/null 2>&1 || missing+=(npm)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
for p in "${optional[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' && apt-cache show "$p" >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$p" || echo "setup: $p not installed; its smoke check will be skipped"
  fi
done
