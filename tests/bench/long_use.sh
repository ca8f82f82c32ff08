#!/usr/bin/env bash
# Benchmark, not a test: peak memory of opening and closing each window 40 and 400 times in
# one scenario (the program should not grow with long use). Usage: long_use.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
runner="$build/matravel-scenario"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen
peak() { /usr/bin/time -f %M "$runner" "$1" 2>&1 >/dev/null | tail -n 1; }
printf '%-14s %-16s %10s %10s %8s\n' item window "40 (KiB)" "400 (KiB)" growth
while read -r item form; do
  for n in 40 400; do
    for _ in $(seq "$n"); do printf 'menu %s\nclose %s\n' "$item" "$form"; done >"$scratch/$n.scn"
  done
  a=$(peak "$scratch/40.scn")
  b=$(peak "$scratch/400.scn")
  printf '%-14s %-16s %10s %10s %8s\n' "$item" "$form" "$a" "$b" "$((b - a))"
done <<'WINDOWS'
Mnu01 Sistema
Mnu02 Salário
MnuReta1 Equação_Reta
MnuReta2 EquaçãoReta
Mnu04 Intervalo
Mnu05 Soma_Dígitos
Mnu06 Cálculo_de_S
Mnu07 Altura_Bola
Mnu08 Trocas_selos
Mnu10 Número_perfeito
Mnu_Método1 X_Mod123
Mnu_Método2 XMOD123
MnuMaiorMen Maior_Menor_3
WINDOWS
