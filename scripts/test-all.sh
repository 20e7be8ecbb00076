#!/usr/bin/env bash
# Builds both presets and runs all their tests: `native` (GCC with
# sanitizers) and `windows` (mingw-w64, tests run under Wine on a private
# Xvfb).  Runs scripts/setup.sh first.  Exits non-zero when anything failed.
#
# Environment: QUORIN_JOBS (build jobs, default 2), QUORIN_TEST_TIMEOUT
# (seconds per test, default 900).
set -uo pipefail
cd "$(dirname "$0")/.."

jobs=${QUORIN_JOBS:-2}
timeout=${QUORIN_TEST_TIMEOUT:-900}
declare -A result
total_passed=0
total_failed=0
ctest_log=$(mktemp)
# The Windows tests leave a wineserver and an Xvfb running for speed.
trap 'scripts/wine-run.sh --shutdown build/windows >/dev/null 2>&1; rm -f "$ctest_log"' EXIT

stage() {
  local name=$1
  shift
  echo
  echo "==== $name"
  local t0=$SECONDS
  "$@"
  local rc=$?
  echo "==== $name: $([[ $rc -eq 0 ]] && echo ok || echo "FAILED ($rc)") in $((SECONDS - t0)) s"
  return $rc
}

run_preset() {
  local preset=$1 ctest_jobs=$2
  if ! stage "configure $preset" cmake --preset "$preset"; then
    result[$preset]="configure failed"
    return
  fi
  if ! stage "build $preset" cmake --build --preset "$preset" -j "$jobs"; then
    result[$preset]="build failed"
    return
  fi
  if stage "test $preset" run_ctest "$preset" "$ctest_jobs"; then
    result[$preset]=passed
  else
    result[$preset]="tests failed"
  fi
  # "N% tests passed, F tests failed out of T"
  local counts
  counts=$(sed -nE 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$ctest_log" | tail -n1)
  if [[ -n "$counts" ]]; then
    local failed=${counts% *} total=${counts#* }
    total_failed=$((total_failed + failed))
    total_passed=$((total_passed + total - failed))
  fi
}

run_ctest() {
  ctest --preset "$1" -j "$2" --timeout "$timeout" 2>&1 | tee "$ctest_log"
}

start=$SECONDS
if ! stage setup bash scripts/setup.sh; then
  echo "test-all.sh: set-up failed" >&2
  exit 1
fi

# Every tool the builds and the Wine runner call must be there; a missing one
# would otherwise show up as dozens of unrelated test failures.
missing=()
for tool in cmake ninja g++ i686-w64-mingw32-g++-posix i686-w64-mingw32-windres \
            wine wineboot wineserver Xvfb xdotool flock; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  missing+=("wine32:i386 (Wine's 32-bit side)")
fi
if ((${#missing[@]})); then
  echo "test-all.sh: missing after set-up: ${missing[*]}" >&2
  exit 1
fi

run_preset native 2

# GUI tests share one virtual desktop, so the Windows tests run one at a time.
run_preset windows 1

echo
echo "==== summary ($((SECONDS - start)) s)"
status=0
for preset in native windows; do
  echo "  $preset: ${result[$preset]}"
  [[ "${result[$preset]}" == passed ]] || status=1
done
echo "tests: $total_passed passed, $total_failed failed"
exit $status
