#!/usr/bin/env bash
# Installs what Kalkulo needs on Debian 12 (only the packages that are missing).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-webengine-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
  clang clang-format libclang-rt-14-dev
  fonts-liberation xvfb xauth
  desktop-file-utils appstream dpkg-dev file librsvg2-bin
)
if [[ "${KALKULO_WITH_OFFICE:-1}" == 1 ]]; then
  packages+=(libreoffice-writer-nogui)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installiere: ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
