#!/usr/bin/env bash
# Runs a script with the native command-line interpreter:
#   scripts/run-example.sh [SCRIPT.q [ARGS ...]]   (default: examples/hello.q)
# Prepares the machine (scripts/setup.sh) and builds the `native` preset's
# interpreter first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native -j "${QUORIN_JOBS:-2}" --target quorin >/dev/null
if [[ $# -eq 0 ]]; then
  set -- examples/hello.q
fi
exec build/native/bin/quorin "$@"
