#!/usr/bin/env bash
# The desk check from the command line, with no display: for each window's worked example (and
# a refusal and a run-time error) the CSV the command line writes is the one the window's export
# writes after the same run, byte for byte; then each exit status with its message.
#   command_line.sh MATRAVEL SCENARIO_RUNNER OUTPUT_DIR
set -u
matravel=$1 runner=$2 out=$3
rm -rf "$out" && mkdir -p "$out" || exit 1
cd "$out" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C.UTF-8 XDG_CACHE_HOME=$out/cache XDG_RUNTIME_DIR=$out
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

# section | exit status | menu item | window | inputs | the window's message on a refusal or error
while IFS='|' read -r section status item form inputs message; do
  [ -n "$section" ] || continue
  name=$section-$status
  {
    echo "menu $item"
    for pair in $inputs; do echo "type $form.${pair%%=*} \"${pair#*=}\""; done
    echo play
    for _ in $(seq 80); do echo tick; done
    echo "export \"window-$name.csv\""
  } >"$name.scn"
  MATRAVEL_EXPORTS=$out "$runner" "$name.scn" >"$name.log" 2>&1 || { fail "$name: the window's run: $(grep -v '^ok' "$name.log")"; continue; }
  "$matravel" --problema "$section" ${inputs:+--entrada $inputs} --exportar "cli-$name.csv" >"$name.out" 2>"$name.err"
  rc=$?
  [ "$rc" = "$status" ] || fail "$name: exit status $rc, not $status: $(cat "$name.err")"
  cmp -s "window-$name.csv" "cli-$name.csv" || fail "$name: the CSV differs from the window's: $(diff "window-$name.csv" "cli-$name.csv" | head -5)"
  if [ -n "$message" ]; then
    [ "$(cat "$name.err")" = "$message" ] || fail "$name: standard error says \"$(cat "$name.err")\", not \"$message\""
  else
    [ ! -s "$name.err" ] || fail "$name: standard error says \"$(cat "$name.err")\""
  fi
done <<'CASES'
01|0|Mnu01|Sistema|a1=2 b1=1 c1=4 a2=1 b2=3 c2=7|
02|0|Mnu02|Salário|Salário=199.99|
03a|0|MnuReta1|Equação_Reta||
03b|0|MnuReta2|EquaçãoReta||
04|0|Mnu04|Intervalo||
05|0|Mnu05|Soma_Dígitos|Num=123|
06|0|Mnu06|Cálculo_de_S|X=2 N=4|
07|0|Mnu07|Altura_Bola|H=1|
08|0|Mnu08|Trocas_selos|X=0.23|
09a|0|Mnu_Método1|X_Mod123||
09b|0|Mnu_Método2|XMOD123||
10|0|Mnu10|Número_perfeito||
11|0|MnuMaiorMen|Maior_Menor_3|N1=9 n2=2 n3=1|
08|1|Mnu08|Trocas_selos|X=0.07|Erro !!! Impossível trocar sem sobrar dinheiro
07|1|Mnu07|Altura_Bola|H=1.5E308|Erro de execução 6: Estouro
CASES

# One flag per box, and the PDF.
"$matravel" --problema 06 --entrada X=2 --entrada N=4 --exportar one-per-flag.csv 2>/dev/null || fail "one --entrada per box: exit status $?"
cmp -s window-06-0.csv one-per-flag.csv || fail "one --entrada per box: the CSV differs from the window's"
"$matravel" --problema 08 --entrada X=0.23 --exportar saida.pdf 2>/dev/null || fail "PDF: exit status $?"
[ "$(head -c 4 saida.pdf 2>/dev/null)" = "%PDF" ] || fail "saida.pdf is not a PDF"

# A run that does not end stops at the step asked for: status 3, its rows and a message.
"$matravel" --problema 04 --entrada n=1e308 --passos 30 --exportar endless.csv 2>endless.err
rc=$?
[ "$rc" = 3 ] || fail "--passos 30: exit status $rc, not 3"
[ "$(wc -l <endless.csv)" = 31 ] || fail "--passos 30: $(wc -l <endless.csv) lines, not the headings and 30 rows"
grep -q "passo 30" endless.err || fail "--passos 30: standard error says \"$(cat endless.err)\""

# A click that writes many rows writes them all: the perfect numbers' second click goes to 28.
"$matravel" --problema 10 --passos 10 --exportar perfect.csv 2>/dev/null
rc=$?
[ "$rc" = 3 ] || fail "--passos 10 on the perfect numbers: exit status $rc, not 3"
[ "$(wc -l <perfect.csv)" = 29 ] || fail "--passos 10 on the perfect numbers: $(wc -l <perfect.csv) lines, not 29"

# The window chosen from the command line (on the offscreen screen): it opens and stays open,
# and a box it does not have is a usage error.
QT_QPA_PLATFORM=offscreen timeout 3 "$matravel" --problema 08 --entrada X=0.23 >/dev/null 2>&1
rc=$?
[ "$rc" = 124 ] || fail "--problema 08 with a window: exit status $rc, not still running"
QT_QPA_PLATFORM=offscreen "$matravel" --problema 08 --entrada Z=1 >/dev/null 2>window.err
rc=$?
[ "$rc" = 2 ] && grep -qF '"Z"' window.err || fail "--problema 08 --entrada Z=1 with a window: status $rc, \"$(cat window.err)\""

# Usage errors: status 2, a message naming what is wrong, and no file.
while IFS='|' read -r args names; do
  rm -f wrong.csv
  # shellcheck disable=SC2086
  "$matravel" $args >/dev/null 2>wrong.err
  rc=$?
  [ "$rc" = 2 ] || fail "$args: exit status $rc, not 2"
  grep -qF -- "$names" wrong.err || fail "$args: standard error says \"$(cat wrong.err)\", not naming $names"
  [ ! -e wrong.csv ] || fail "$args: wrote wrong.csv"
done <<'CASES'
--problema 12 --exportar wrong.csv|"12"
--problema 08 --entrada Z=1 --exportar wrong.csv|"Z"
--problema 10 --entrada X=1 --exportar wrong.csv|"X"
--problema 08 --entrada --exportar wrong.csv|--entrada
--problema 08 --entrada X --exportar wrong.csv|"X"
--problema 08 --passos dez --exportar wrong.csv|"dez"
--entrada X=1 --exportar wrong.csv|--problema
--problema 08 --exportar wrong.txt|wrong.txt
--problema 08 --entrada X=0.23 --exportar nowhere/wrong.csv|nowhere
--problema 08 --cor azul|--cor
--problema 99|"99"
CASES
# A file that cannot be written whole (a full disk): status 2, and the earlier file kept.
echo earlier >kept.pdf
(ulimit -f 1 && "$matravel" --problema 08 --entrada X=0.23 --exportar kept.pdf) 2>kept.err
rc=$?
[ "$rc" = 2 ] || fail "a full disk: exit status $rc, not 2"
grep -q "kept.pdf" kept.err || fail "a full disk: standard error says \"$(cat kept.err)\""
[ "$(cat kept.pdf)" = earlier ] || fail "a full disk: the earlier kept.pdf was not kept"

# The list of problems, from the windows, and the usage.
"$matravel" --listar >list.txt || fail "--listar: exit status $?"
[ "$(grep -c '^[0-9]' list.txt)" = 13 ] || fail "--listar: $(grep -c '^[0-9]' list.txt) problems, not 13"
grep -q '^08  *Trocar real por selos$' list.txt || fail "--listar: no line for problem 08"
grep -q '^ *X  *Quantia em reais$' list.txt || fail "--listar: the box X of problem 08 is not listed with its prompt"
"$matravel" --help >help.txt || fail "--help: exit status $?"
grep -q '^Uso: matravel' help.txt || fail "--help: no usage"

echo "$failed failed"
[ "$failed" = 0 ]
