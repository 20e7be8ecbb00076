#!/usr/bin/env bash
# Runs each benchmark program in Quorin (release build), Python 3 and Lua 5.4
# and prints the times and the ratios.
#
#   bench/lang/run.sh [quorin] [second-quorin]
#
# Times are processor seconds (user + system, the task clock that `perf stat`
# reports, or /usr/bin/time's coarser figures without perf) of the best of
# three runs, so that other work on a shared machine does not count.  With a second binary
# the table shows both (the first as "before", the second as "after") and the
# ratio between them.  Every program's output must be the same in every
# language and binary; a program that fails to compile or prints something
# else stops the run with an error.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
quorin=${1:-$root/build/release/bin/quorin}
second=${2:-}
python=${PYTHON:-/usr/bin/python3}
lua=${LUA:-lua5.4}
programs=(loop_sum fib sieve mandelbrot concat matrix_norm collections calls)
if [ "$quorin" = "$root/build/release/bin/quorin" ] && [ ! -x "$quorin" ]; then
  cmake --preset release >/dev/null && cmake --build --preset release --target quorin >/dev/null
fi
for exe in "$quorin" ${second:+"$second"}; do
  [ -x "$exe" ] || { echo "run.sh: no interpreter at $exe" >&2; exit 2; }
done
command -v "$lua" >/dev/null || { echo "run.sh: $lua is not installed" >&2; exit 2; }
if perf stat -x, -e task-clock -o /dev/null true 2>/dev/null; then
  clock=perf
elif [ -x /usr/bin/time ]; then
  clock=time
else
  echo "run.sh: neither perf nor /usr/bin/time is installed" >&2
  exit 2
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# cpu_of PROGRAM-NAME COMMAND...: prints the best user+system time of three
# runs; the output of every run must equal the reference output.
cpu_of() {
  local name=$1
  shift
  local best=""
  for _ in 1 2 3; do
    local measure=(/usr/bin/time -f '%U %S' -o "$tmp/time")
    [ "$clock" = perf ] && measure=(perf stat -x, -e task-clock -o "$tmp/time")
    if ! "${measure[@]}" "$@" >"$tmp/out" 2>"$tmp/err"; then
      echo "run.sh: $name failed: $*" >&2
      cat "$tmp/err" "$tmp/out" >&2
      exit 1
    fi
    if ! cmp -s "$tmp/out" "$tmp/expected"; then
      echo "run.sh: $name printed something else: $*" >&2
      diff "$tmp/expected" "$tmp/out" >&2 || true
      exit 1
    fi
    if [ "$clock" = perf ]; then
      best=$(awk -F, -v b="$best" '$3 == "task-clock" { t = $1 / 1000; if (b == "" || t < b) b = t; printf "%.3f", b }' "$tmp/time")
    else
      best=$(awk -v b="$best" '{ t = $1 + $2; if (b == "" || t < b) b = t; printf "%.3f", b }' "$tmp/time")
    fi
  done
  echo "$best"
}

if [ -n "$second" ]; then
  printf '%-12s %8s %8s %8s %8s %8s %8s %8s\n' program before after python lua after/bef after/py after/lua
else
  printf '%-12s %8s %8s %8s %8s %8s\n' program quorin python lua q/py q/lua
fi
rows=""
for prog in "${programs[@]}"; do
  "$quorin" -c "$here/$prog.q" >"$tmp/err" 2>&1 || { echo "run.sh: $prog.q does not compile" >&2; cat "$tmp/err" >&2; exit 1; }
  "$python" "$here/$prog.py" >"$tmp/expected"
  tp=$(cpu_of "$prog.py" "$python" "$here/$prog.py")
  tl=$(cpu_of "$prog.lua" "$lua" "$here/$prog.lua")
  tq=$(cpu_of "$prog.q" "$quorin" "$here/$prog.q")
  if [ -n "$second" ]; then
    t2=$(cpu_of "$prog.q" "$second" "$here/$prog.q")
    awk -v n="$prog" -v a="$tq" -v b="$t2" -v p="$tp" -v l="$tl" 'function r(x, y) { return x / (y > 0.001 ? y : 0.001) }
      BEGIN { printf "%-12s %8.3f %8.3f %8.3f %8.3f %8.2f %8.2f %8.2f\n", n, a, b, p, l, r(b, a), r(b, p), r(b, l) }'
    rows+="$tq $t2 $tp $tl"$'\n'
  else
    awk -v n="$prog" -v a="$tq" -v p="$tp" -v l="$tl" 'function r(x, y) { return x / (y > 0.001 ? y : 0.001) }
      BEGIN { printf "%-12s %8.3f %8.3f %8.3f %8.2f %8.2f\n", n, a, p, l, r(a, p), r(a, l) }'
    rows+="$tq $tq $tp $tl"$'\n'
  fi
done
# Geometric means of the ratios (times under a millisecond count as one).
printf '%s' "$rows" | awk -v two="${second:+1}" '
  function lg(x) { return log(x > 0.001 ? x : 0.001) }
  { bp += lg($1) - lg($3); bl += lg($1) - lg($4); ap += lg($2) - lg($3); al += lg($2) - lg($4); ab += lg($2) - lg($1); n++ }
  END {
    if (two) {
      printf "geometric mean ratio before: quorin/python %.2f, quorin/lua %.2f\n", exp(bp / n), exp(bl / n)
      printf "geometric mean ratio after:  quorin/python %.2f, quorin/lua %.2f (after/before %.2f)\n", exp(ap / n), exp(al / n), exp(ab / n)
    } else {
      printf "geometric mean ratio: quorin/python %.2f, quorin/lua %.2f\n", exp(bp / n), exp(bl / n)
    }
  }'
