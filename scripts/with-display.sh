#!/usr/bin/env bash
# Runs a command with a display: the current one, or a private virtual framebuffer with a window manager.
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
command -v Xvfb >/dev/null || { echo "with-display: Xvfb is not installed" >&2; exit 1; }

for n in $(seq 90 140); do
  [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || { num=$n; break; }
done
: "${num:?no free display number}"

Xvfb ":${num}" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
wm_pid=
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":${num}"
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X${num}" ] && break
  sleep 0.05
done
if [ -z "${KORVEL_NO_WM:-}" ] && command -v matchbox-window-manager >/dev/null; then
  matchbox-window-manager -use_titlebar yes >/dev/null 2>&1 &
  wm_pid=$!
  sleep 0.3
fi
"$@"
