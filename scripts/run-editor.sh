#!/usr/bin/env bash
# Installs, builds and starts the editor. Without a display it runs it under a virtual framebuffer,
# waits for its window, saves a screenshot, prints its path and exits.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" --target Korvel
app="${KORVEL_BUILD_DIR:-$root/build}/bin/korvel"

if [ -n "${DISPLAY:-}" ]; then
  exec "$app"
fi

shot="${KORVEL_SCREENSHOT:-$root/build/korvel-screenshot.png}"
"$root/scripts/with-display.sh" bash -c '
  app="$1"; shot="$2"
  "$app" >/tmp/korvel-run.log 2>&1 &
  pid=$!
  win=
  for _ in $(seq 1 150); do
    win=$(xdotool search --name "Dorna Korvel" 2>/dev/null | head -n 1 || true)
    [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "korvel exited before showing its window" >&2; cat /tmp/korvel-run.log >&2; exit 1; }
    sleep 0.2
  done
  [ -n "$win" ] || { echo "no Korvel window appeared" >&2; kill "$pid"; exit 1; }
  sleep 1.5
  import -window root "$shot"
  echo "Window: $(xdotool getwindowname "$win")"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' _ "$app" "$shot"
echo "Screenshot: $shot"
