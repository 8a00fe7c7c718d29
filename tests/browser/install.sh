#!/usr/bin/env bash
# Installs the pinned packages the browser checks use (npm ci), unless the ones
# in node_modules were installed from this very lock file.
set -euo pipefail
cd "$(dirname "$0")"
stamp=node_modules/.tovaleaf-lock
want=$(sha256sum package-lock.json | cut -d' ' -f1)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
  exit 0
fi
npm ci --no-audit --no-fund
echo "$want" > "$stamp"
