#!/usr/bin/env bash
# Runs a Windows program under Wine, on a virtual X display of its own.
#
#   wine-run.sh PROGRAM.exe [ARGS ...]   run it; its exit code is passed back
#   wine-run.sh --init [BUILD_DIR]       only prepare the display and the prefix
#   wine-run.sh --shutdown [BUILD_DIR]   stop the wineserver and the Xvfb started here
#
# State lives in the build folder (the first folder above the program that
# holds a CMakeCache.txt, or $QUORIN_WINE_DIR): a private Wine prefix in
# wineprefix/, created once, and the Xvfb that serves every run of that build
# folder.  Several runs may start at once (CTest -j): preparing is serialised
# with flock.  Wine reports exit status 0 for a program that crashed, so a
# crash report on standard error turns the result into a failure.
#
# Programs see a Simplified Chinese system (ANSI and OEM code page 936):
# QUORIN_WINE_LOCALE (default zh_CN.UTF-8) is their LC_ALL.
set -u

die() {
  echo "wine-run.sh: $*" >&2
  exit 125
}

find_build_dir() {
  local d=$1
  while [[ "$d" != "/" && -n "$d" ]]; do
    [[ -f "$d/CMakeCache.txt" ]] && { echo "$d"; return; }
    d=$(dirname "$d")
  done
  echo "$1"
}

mode=run
case "${1:-}" in
  --shutdown) mode=shutdown; shift ;;
  --init) mode=init; shift ;;
  -h|--help|"") sed -n '2,14p' "$0"; exit 0 ;;
esac

if [[ $mode == run ]]; then
  program=$1
  shift
  [[ -f "$program" ]] || die "no such program: $program"
  program=$(realpath "$program")
  state=${QUORIN_WINE_DIR:-$(find_build_dir "$(dirname "$program")")}
else
  state=${1:-${QUORIN_WINE_DIR:-$PWD/build/windows}}
fi
mkdir -p "$state" || die "cannot create $state"
state=$(realpath "$state")

export WINEPREFIX="$state/wineprefix"
export WINEARCH=win64
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
export WINEDEBUG="${WINEDEBUG:--all}"
locale=${QUORIN_WINE_LOCALE:-zh_CN.UTF-8}
# Runs a Wine command in the programs' locale.
w() { env LC_ALL="$locale" "$@"; }
xvfb_pid_file="$state/wine-xvfb.pid"
xvfb_display_file="$state/wine-xvfb.display"
log="$state/wine-run.log"

# True when the pid file names a live Xvfb (and not a recycled pid).
xvfb_alive() {
  local pid
  pid=$(cat "$xvfb_pid_file" 2>/dev/null) || return 1
  [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null &&
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q '^Xvfb '
}

start_xvfb() {
  rm -f "$xvfb_display_file"
  # -displayfd picks a free display number and writes it to fd 3.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$xvfb_display_file" </dev/null >>"$log" 2>&1 9>&- &
  local pid=$!
  local i
  for ((i = 0; i < 100; ++i)); do
    [[ -s "$xvfb_display_file" ]] && break
    kill -0 "$pid" 2>/dev/null || die "Xvfb failed to start (see $log)"
    sleep 0.1
  done
  [[ -s "$xvfb_display_file" ]] || { kill "$pid"; die "Xvfb did not report a display"; }
  echo "$pid" >"$xvfb_pid_file"
}

prepare() {
  exec 9>"$state/wine-run.lock"
  flock 9
  if [[ -n "${QUORIN_WINE_DISPLAY:-}" ]]; then
    export DISPLAY=$QUORIN_WINE_DISPLAY
  else
    xvfb_alive || start_xvfb
    export DISPLAY=":$(tr -dc '0-9' <"$xvfb_display_file")"
  fi
  if [[ ! -f "$WINEPREFIX/.quorin-ready" ]]; then
    rm -rf "$WINEPREFIX"
    {
      echo "== creating $WINEPREFIX"
      w wineboot -i 9>&-
      # Windows go away at once without a window manager, and a crash ends
      # the program instead of waiting on a dialog.
      w wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
      w wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
      w wineserver -w 9>&-
    } </dev/null >>"$log" 2>&1 || die "could not create the Wine prefix (see $log)"
    touch "$WINEPREFIX/.quorin-ready"
  fi
  # A persistent wineserver makes each program start in milliseconds; when
  # one is already running for this prefix this returns at once.
  w wineserver -p </dev/null >>"$log" 2>&1 9>&-
  flock -u 9
  exec 9>&-
}

case $mode in
  shutdown)
    if [[ -d "$WINEPREFIX" ]]; then
      w wineserver -k </dev/null >>"$log" 2>&1
    fi
    if xvfb_alive; then
      kill "$(cat "$xvfb_pid_file")"
    fi
    rm -f "$xvfb_pid_file" "$xvfb_display_file"
    exit 0
    ;;
  init)
    prepare
    exit 0
    ;;
esac

prepare

# Wine's helper processes (services, devices, the desktop) outlive the
# program and inherit its standard streams, so the program writes to files
# that are followed here; a pipe handed to Wine directly would stay open and
# keep a reader such as CTest waiting.  Standard input is passed on
# explicitly (a background job would otherwise read an empty file), unless
# there is none.
stdin_from=/dev/null
[[ -r /dev/stdin ]] && stdin_from=/dev/stdin
tmp=$(mktemp -d "${TMPDIR:-/tmp}/wine-run.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
: >"$tmp/out"
: >"$tmp/err"
w wine "$program" "$@" <"$stdin_from" >"$tmp/out" 2>"$tmp/err" 9>&- &
wine_pid=$!
tail -q -n +1 -s 0.05 --pid=$wine_pid -f "$tmp/out" &
out_pid=$!
tail -q -n +1 -s 0.05 --pid=$wine_pid -f "$tmp/err" >&2 &
err_pid=$!
wait $wine_pid
rc=$?
wait $out_pid $err_pid
if grep -qE 'Unhandled (page fault|exception)' "$tmp/err"; then
  echo "wine-run.sh: $(basename "$program") crashed (Wine reported exit code $rc)" >&2
  [[ $rc -eq 0 ]] && rc=134
fi
exit $rc
