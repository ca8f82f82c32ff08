#!/usr/bin/env bash
# Benchmark, not a test: what a click costs again after going back a step, with the desk check
# shown, against what it cost the first time; and a click with a 1,000 and a 10,000-character
# input in the line window. Prints each command over 5 ms. Usage: again.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen MATRAVEL_SLOW_MS=5
{
  echo "menu MnuTesteMesa"
  printf 'menu Mnu_Método1\ntype X_Mod123.R1 "3"\ntype X_Mod123.R2 "9"\ntype X_Mod123.R3 "5"\n'
  for _ in 1 2 3 4; do echo "click X_Mod123.Cmd_Calc_MDC"; done
  echo "click X_Mod123.Cmd_Calc_MOD"
  echo "key Alt+Left"
  echo "click X_Mod123.Cmd_Calc_MOD"
  printf 'menu Mnu_Método2\n'
  for _ in $(seq 20); do echo "click XMOD123.Cmd_Calculo"; done
  echo "key Alt+Left"
  echo "click XMOD123.Cmd_Calculo"
} >"$scratch/again.scn"
"$build/matravel-scenario" "$scratch/again.scn" | grep -E '^slow|FAIL' || true
for n in 1000 10000; do
  printf 'menu MnuReta1\ntype Equação_Reta.X(0) "1"\ntype Equação_Reta.Y(0) "%s"\n' "$(printf '9%.0s' $(seq $n))"
  printf 'type Equação_Reta.X(1) "2"\ntype Equação_Reta.Y(1) "3"\nclick Equação_Reta.CmdSolve\n'
done >"$scratch/long.scn"
MATRAVEL_SLOW_MS=1 "$build/matravel-scenario" "$scratch/long.scn" | grep -E '^slow.*click' || true
