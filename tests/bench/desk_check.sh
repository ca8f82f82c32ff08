#!/usr/bin/env bash
# Benchmark, not a test: the desk check of the longest runs. Altura_Bola dropped from 1E307
# bounces a thousand times and more, and X_Mod123 with moduli 3, 9, 5 pauses 81 times in a
# search that finds nothing; then each run is taken back to steps all along it, with the panel
# hidden and shown. Prints every command over 16 ms, and the peak memory of the run
# with and without going back, against the same clicks with no desk check read.
# Usage: desk_check.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
clicks=1100
run() {  # the clicks of the whole run
  printf 'menu Mnu07\ntype Altura_Bola.H "1E307"\n'
  for _ in $(seq $clicks); do echo "click Altura_Bola.Cmd_Calc"; done
}
run >"$scratch/plain.scn"
{
  run
  echo "expect trace selected 1031"
  for k in 1 1030 515 0 1000 2 700 1031; do echo "trace go $k"; done
  echo "menu MnuTesteMesa"
  for k in 1 1030 515 0 1000 2 700 1031; do echo "trace go $k"; done
  for _ in $(seq 200); do echo "key Alt+Left"; done
  echo "expect trace selected 831"
  printf 'menu Mnu_Método1\ntype X_Mod123.R1 "3"\ntype X_Mod123.R2 "9"\ntype X_Mod123.R3 "5"\n'
  for _ in 1 2 3 4; do echo "click X_Mod123.Cmd_Calc_MDC"; done
  echo "click X_Mod123.Cmd_Calc_MOD"
  echo "expect trace rows 85"
  for k in 0 50 2 84 1 85 3; do echo "trace go $k"; done
} >"$scratch/back.scn"
for scn in plain back; do
  QT_QPA_PLATFORM=offscreen MATRAVEL_SLOW_MS=16 MATRAVEL_FOOTPRINT=1 /usr/bin/time -v "$build/matravel-scenario" "$scratch/$scn.scn" \
    >"$scratch/$scn.out" 2>"$scratch/$scn.time" || true
  grep -E "^slow|^FAIL|passed|^desk" "$scratch/$scn.out" | grep -v "^slow.*click \(Altura_Bola\|X_Mod123\)" | sed "s/^/$scn: /" || true
  echo "$scn: $(grep -E 'Maximum resident' "$scratch/$scn.time" | awk '{print $NF}') KiB peak," \
       "$(grep -E 'Elapsed' "$scratch/$scn.time" | awk '{print $NF}') elapsed"
done
