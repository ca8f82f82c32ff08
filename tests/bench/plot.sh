#!/usr/bin/env bash
# Benchmark, not a test: the plot of the longest run. Altura_Bola dropped from 1E307 bounces
# 1031 times; with "Gráfico" shown every click draws the plot anew (a thousand points in each
# of two series, on a logarithmic axis), and going back redraws its marks. Prints every
# command over 16 ms with the plot shown and with it hidden, and the elapsed time and peak
# memory of each run.
# Usage: plot.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
run() {  # $1: the plot shown (1) or not
  printf 'menu Mnu07\ntype Altura_Bola.H "1E307"\n'
  if [ "$1" = 1 ]; then echo "menu MnuGrafico"; fi
  for _ in $(seq 1100); do echo "click Altura_Bola.Cmd_Calc"; done
  for k in 1 1030 515 0 1000 2 700 1031; do echo "trace go $k"; done
  for _ in $(seq 100); do echo "key Alt+Left"; done
  if [ "$1" = 1 ]; then echo "expect plot points 1030"; echo "expect plot fits"; fi
}
for shown in 0 1; do
  run $shown >"$scratch/run.scn"
  QT_QPA_PLATFORM=offscreen MATRAVEL_SLOW_MS=16 /usr/bin/time -v "$build/matravel-scenario" "$scratch/run.scn" \
    >"$scratch/out" 2>"$scratch/time" || true
  label=$([ $shown = 1 ] && echo shown || echo hidden)
  grep -E "^slow|^FAIL|passed" "$scratch/out" | sed "s/^/plot $label: /" || true
  echo "plot $label: $(grep -c '^slow' "$scratch/out" || true) commands over 16 ms," \
       "$(grep -E 'Maximum resident' "$scratch/time" | awk '{print $NF}') KiB peak," \
       "$(grep -E 'Elapsed' "$scratch/time" | awk '{print $NF}') elapsed"
done
