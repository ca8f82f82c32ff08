#!/usr/bin/env bash
# Builds the fuzz targets of the number rules with clang and runs each for SECONDS (default 60).
# The corpus kept in the repository is read, never written: new inputs go to a scratch folder.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-fuzz"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DMATRAVEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for target in fuzz_val fuzz_convert fuzz_value; do
  mkdir -p "$scratch/$target"
  echo "== $target: $seconds s"
  if "$build/tests/fuzz/$target" "$scratch/$target" "$root/tests/fuzz/corpus/$target" \
      -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$scratch/" >"$scratch/$target.log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$scratch/$target.log" | sed "s/^/$target /"
  else
    status=1
    tail -n 40 "$scratch/$target.log"
    for crash in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-*; do
      [ -e "$crash" ] && { echo "failing input ($crash):"; od -c "$crash" | head -20; }
    done
  fi
done
exit $status
