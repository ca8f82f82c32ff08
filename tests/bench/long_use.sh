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
done < <(
  # The menu item and window of every row of the table of problems.
  sed -nE 's/^ *\{"(Mnu[^"]*)", "(\\.|[^"\\])*", [^,]+, [^,]+, "([^"]+)", create.*/\1 \3/p' \
    "$(dirname "$0")/../../problems/problems.cpp")
