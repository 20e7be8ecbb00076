#!/usr/bin/env bash
# Builds a libFuzzer harness with clang (AddressSanitizer + UBSan) and runs it.
#
#   scripts/fuzz.sh [harness] [seconds] [extra libFuzzer options...]
#
# harness: the name of fuzz/<harness>_fuzz.cpp (default: loader); seconds:
# run time (default 60).  The corpus grows in fuzz-corpus/<harness>/ (not
# committed), seeded from fuzz/seeds/<harness>/; crashes land in
# fuzz-corpus/<harness>-crashes/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
harness=${1:-loader}
seconds=${2:-60}
shift $(( $# > 2 ? 2 : $# ))

build="$root/build/fuzz"
cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target "${harness}_fuzz" -j2

corpus="$root/fuzz-corpus/$harness"
crashes="$root/fuzz-corpus/$harness-crashes"
mkdir -p "$corpus" "$crashes"
seeds=()
[ -d "$root/fuzz/seeds/$harness" ] && seeds=("$root/fuzz/seeds/$harness")
export QUORIN_FUZZ_DIR="$build/files-$harness"
exec "$build/bin/${harness}_fuzz" "$corpus" "${seeds[@]}" \
  -max_total_time="$seconds" -max_len=4096 -timeout=10 -artifact_prefix="$crashes/" "$@"
