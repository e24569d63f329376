#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the fuzz targets need.
# Idempotent and silent when everything is already there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libsqlite3-dev libsqlitecpp-dev sqlite3
  libical-dev libcurl4-openssl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-nanum fonts-dejavu-core
  clang libclang-rt-dev tzdata
  python3   # the local weather and fault servers the tests start
  python3-icalendar python3-recurring-ical-events   # the reference expander of the recurrence comparison
  radicale vdirsyncer   # the CalDAV server and an independent client for the sync tests
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq >/dev/null
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
