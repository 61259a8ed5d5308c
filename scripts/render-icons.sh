#!/usr/bin/env bash
# Renders the application icon's PNG sizes from resources/icons/corvix.svg. Run it after
# changing the picture and commit the results: the build itself never needs the renderer.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" corvix.svg --output "corvix-$size.png"
done
