#!/usr/bin/env bash
# Runs a test program on an X server of its own with a window manager
# (Xvfb + openbox), so that window frames, placement and painting behave as
# on a desktop. When either program is missing the test runs offscreen with
# ULVENDO_NO_X saying why, and its checks are skipped with that message.
set -u
prog="$1"
shift
if ! command -v Xvfb >/dev/null 2>&1 || ! command -v openbox >/dev/null 2>&1; then
  export ULVENDO_NO_X="Xvfb and openbox are needed for this check (scripts/install-deps installs them)"
  QT_QPA_PLATFORM=offscreen exec "$prog" "$@"
fi

work="$(mktemp -d)"
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${xs:-}" ] && kill "$xs" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to fd 5.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" >/dev/null 2>&1 &
xs=$!
for _ in $(seq 1 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  export ULVENDO_NO_X="Xvfb did not start"
  QT_QPA_PLATFORM=offscreen "$prog" "$@"
  exit $?
fi
export DISPLAY=":$(head -n1 "$work/display")"
# openbox runs its --startup command once it manages the screen.
HOME="$work" openbox --sm-disable --startup "touch $work/wm-ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 200); do
  [ -e "$work/wm-ready" ] && break
  sleep 0.05
done
QT_QPA_PLATFORM=xcb "$prog" "$@"
