#!/usr/bin/env bash
# Installs what is missing, configures and builds one flavour of the tree.
#   scripts/build.sh [debug|release|sanitize]   -> prints the build folder
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-debug}
bash "$root/scripts/setup.sh"

case "$flavour" in
  debug)    dir="$root/build/debug";    args=(-DCMAKE_BUILD_TYPE=Debug) ;;
  release)  dir="$root/build/release";  args=(-DCMAKE_BUILD_TYPE=Release) ;;
  sanitize) dir="$root/build/sanitize"; args=(-DCMAKE_BUILD_TYPE=Debug -DDAYVANE_SANITIZE=ON) ;;
  *) echo "usage: $0 [debug|release|sanitize]" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)" >&2
echo "$dir"
