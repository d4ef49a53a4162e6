#!/usr/bin/env bash
# Configures and builds one preset of CMakePresets.json: scripts/build.sh PRESET
# (dev, release, bench, asan, fuzz). Builds with all of the machine's cores.
set -euo pipefail
preset=$1
dir=$(cmake --preset "$preset" | sed -n 's/^-- Build files have been written to: //p')
cmake --build "$dir" --parallel "$(nproc)"
