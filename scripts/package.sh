#!/usr/bin/env bash
# Builds the Debian package from a release build: build/package/kalkulo_<version>_<arch>.deb.
# Install it with: sudo apt install ./build/package/kalkulo_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh release
cpack -G DEB --config build/CPackConfig.cmake -B build/package
ls -l build/package/*.deb
