#!/usr/bin/env bash
# Renders the icon's pictures at fixed sizes from its SVG (data/icons/hicolor/scalable/apps).
# Run it after changing the SVG and commit the pictures: the program and desktops without an SVG
# renderer use them.
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
id=de.kalkulo.Kalkulo
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "scalable/apps/$id.svg" -o "${size}x${size}/apps/$id.png"
done
