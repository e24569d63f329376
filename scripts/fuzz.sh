#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
bash "$root/scripts/setup.sh"
dir="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAYVANE_FUZZ=ON >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n 's/^dayvane_fuzzer(\([a-z_]*\).*/\1/p' "$root/fuzz/CMakeLists.txt")
fi
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}" >/dev/null
for t in "${targets[@]}"; do
  mkdir -p "$dir/corpus/$t"
  # Seeds (real files of the kind the target reads) start the search; new finds go to the first folder.
  seeds=()
  if [ -d "$root/fuzz/seeds/$t" ]; then seeds=("$root/fuzz/seeds/$t"); fi
  echo "== $t (${seconds}s)"
  if ! "$dir/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 "$dir/corpus/$t" "${seeds[@]}" >"$dir/$t.log" 2>&1; then
    tail -n 40 "$dir/$t.log" >&2
    echo "$t found a failure (log: $dir/$t.log)" >&2
    exit 1
  fi
  grep -E 'stat::number_of_executed_units' "$dir/$t.log" || true
done
