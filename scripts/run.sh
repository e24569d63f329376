#!/usr/bin/env bash
# Builds and runs Dayvane on the default device directory; arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(bash "$root/scripts/build.sh" debug)
exec "$dir/tools/dayvane-cli" week "$@"
