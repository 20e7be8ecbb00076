#!/bin/sh
# Runs the ArrayList benchmark in Quorin script, Python 3 and Lua 5.4.
# Usage: bench/collections/run.sh [path to the quorin command-line program]
# The target for the Quorin run is well under a second.
here=$(dirname "$0")
quorin=${1:-build/release/bin/quorin}
for prog in "$quorin $here/arraylist_add.q" "python3 $here/arraylist_add.py" "lua5.4 $here/arraylist_add.lua"; do
  echo "== $prog"
  $prog
done
