#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# but only when something is missing, so a second call costs nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config gcovr
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-charts-dev
  qt6-multimedia-dev libxkbcommon-dev libgl-dev
  qt6-qpa-plugins
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  poppler-utils
  desktop-file-utils appstream file dpkg-dev
  clang-14 libfuzzer-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
