#!/usr/bin/env bash
# Runs a script with the native command-line interpreter:
#   scripts/run-example.sh [--windows] [SCRIPT.q [ARGS ...]]   (default: examples/hello.q)
# Prepares the machine (scripts/setup.sh) and builds the `native` preset's
# interpreter first.  With --windows the Windows build of the command-line
# interpreter (quorin-cli.exe) runs the script under Wine instead.
set -euo pipefail
cd "$(dirname "$0")/.."

windows=0
if [[ ${1:-} == --windows ]]; then
  windows=1
  shift
fi
bash scripts/setup.sh >/dev/null
if [[ $# -eq 0 ]]; then
  set -- examples/hello.q
fi
if [[ $windows == 1 ]]; then
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j "${QUORIN_JOBS:-2}" --target quorin >/dev/null
  status=0
  scripts/wine-run.sh build/windows/bin/quorin-cli.exe "$@" || status=$?
  scripts/wine-run.sh --shutdown build/windows >/dev/null 2>&1 || true
  exit $status
fi
cmake --preset native >/dev/null
cmake --build --preset native -j "${QUORIN_JOBS:-2}" --target quorin >/dev/null
exec build/native/bin/quorin "$@"
