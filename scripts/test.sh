#!/usr/bin/env bash
# Builds and runs every test.  scripts/test.sh [--sanitize]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=debug
[ "${1:-}" = "--sanitize" ] && flavour=sanitize
dir=$(bash "$root/scripts/build.sh" "$flavour")
cd "$dir"
ctest --output-on-failure -j"$(nproc)" --timeout 300
