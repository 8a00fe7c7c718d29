#!/usr/bin/env bash
# Builds and runs every benchmark headless; prints the figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash tests/browser/install.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu --disable-logging" QTWEBENGINE_DISABLE_SANDBOX=1
for b in build/bench/*_bench; do
  echo "== $(basename "$b")"
  "$b"
done
echo "== vbscript-loop"
node bench/vbscript-loop.js
echo "== exported-pages (Chromium)"
node bench/exported-pages.mjs
