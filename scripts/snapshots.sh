#!/usr/bin/env bash
# Renders every window in telling states to PNG files: scripts/snapshots.sh [FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/snapshots}")
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh release
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
for program in build/tools/snapshot_*; do
  [[ -f "$program" && -x "$program" ]] || continue
  "$program" "$out" 2>/dev/null
done
echo "Bilder in $out"
