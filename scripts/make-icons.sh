#!/usr/bin/env bash
# Renders the program's icon, apps/qt/pultara.svg, to the PNG files the Linux
# program loads (Qt reads PNG without a plugin; SVG would need libqt6svg6).
# Run after changing the SVG and commit the results. Needs rsvg-convert
# (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../apps/qt"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" pultara.svg -o "icons/pultara-$size.png"
done
