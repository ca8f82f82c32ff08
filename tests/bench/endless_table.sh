#!/usr/bin/env bash
# Benchmark, not a test: a table of f(x) that never ends (n = 1e308 makes a step of 6E-308),
# 5,000 clicks; prints every click over 16 ms and the total. Usage: endless_table.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
{
  printf 'menu Mnu04\ntype Intervalo.a "0"\ntype Intervalo.b "1"\ntype Intervalo.n "1e308"\n'
  for _ in $(seq 5000); do echo "click Intervalo.Command1"; done
} >"$scratch/endless.scn"
start=$(date +%s.%N)
QT_QPA_PLATFORM=offscreen MATRAVEL_SLOW_MS=16 "$build/matravel-scenario" "$scratch/endless.scn" | grep -E '^slow|passed' || true
echo "total: $(echo "$(date +%s.%N) - $start" | bc) s for 5,000 clicks"
