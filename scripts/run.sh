#!/usr/bin/env bash
# Set up, build and start the program; arguments go to the program (a page to open is
# named from the folder this is run in).
set -euo pipefail
here=$PWD
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
cd "$here"
exec "$root/build/src/tovaleaf" "$@"
