#!/usr/bin/env bash
# Runs each benchmark program in Quorin (release build), Python 3 and Lua 5.4
# and prints the times and the ratios.  Usage: bench/lang/run.sh [quorin-binary]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
quorin=${1:-$root/build/release/bin/quorin}
if [ ! -x "$quorin" ]; then
  cmake --preset release >/dev/null && cmake --build --preset release --target quorin >/dev/null
fi
time_of() {  # seconds of the best of three runs
  local best=999999
  for _ in 1 2 3; do
    local s e
    s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N)
    best=$(echo "$e - $s" | bc -l | awk -v b="$best" '{ if ($1 < b) print $1; else print b }')
  done
  printf '%.3f' "$best"
}
printf '%-12s %9s %9s %9s %8s %8s\n' program quorin python lua q/py q/lua
logq=0; logp=0; logl=0; n=0
for prog in loop_sum fib sieve mandelbrot concat; do
  tq=$(time_of "$quorin" "$here/$prog.q")
  tp=$(time_of python3 "$here/$prog.py")
  tl=$(time_of lua5.4 "$here/$prog.lua")
  printf '%-12s %9s %9s %9s %8.2f %8.2f\n' "$prog" "$tq" "$tp" "$tl" "$(echo "$tq/$tp" | bc -l)" "$(echo "$tq/$tl" | bc -l)"
  logq=$(echo "$logq + l($tq)" | bc -l); logp=$(echo "$logp + l($tp)" | bc -l); logl=$(echo "$logl + l($tl)" | bc -l); n=$((n + 1))
done
printf 'geometric mean ratio: quorin/python %.2f, quorin/lua %.2f\n' \
  "$(echo "e(($logq - $logp) / $n)" | bc -l)" "$(echo "e(($logq - $logl) / $n)" | bc -l)"
