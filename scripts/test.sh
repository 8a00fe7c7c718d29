#!/usr/bin/env bash
# Set up, build and run the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash tests/browser/install.sh
bash scripts/build.sh
cd build
ctest --output-on-failure -j1 "$@"
