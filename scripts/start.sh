#!/usr/bin/env bash
# Sets up, builds and starts Kalkulo. Kalkulo keeps Kalkulo.ini in the folder it starts in.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
KALKULO_WITH_OFFICE=0 bash "$root/scripts/setup.sh"
(cd "$root" && bash scripts/build.sh release)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Kein Bildschirm gefunden (DISPLAY ist leer). Ohne Bildschirm so starten:"
  echo "  xvfb-run -a bash scripts/start.sh"
  exit 1
fi
exec "$root/build/src/shell/kalkulo"
