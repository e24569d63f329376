#!/usr/bin/env bash
# Builds and starts Dayvane on the default device directory; arguments go to
# the program. Without a display it renders the week view to a picture instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(bash "$root/scripts/build.sh" debug)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] \
   && [ $# -eq 0 ]; then
  picture="${TMPDIR:-/tmp}/dayvane-week.png"
  echo "No display: rendering the week view to $picture" >&2
  exec "$dir/app/Dayvane" --screenshot "$picture"
fi
exec "$dir/app/Dayvane" "$@"
