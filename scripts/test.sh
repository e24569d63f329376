#!/usr/bin/env bash
# Builds and runs every test.  scripts/test.sh [--sanitize]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=debug
[ "${1:-}" = "--sanitize" ] && flavour=sanitize
dir=$(bash "$root/scripts/build.sh" "$flavour")
cd "$dir"
if [ "$flavour" = sanitize ]; then
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
ctest --output-on-failure -j"$(nproc)" --timeout 300
