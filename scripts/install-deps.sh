#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and benchmark.
# Packages named as arguments are installed too (the fuzz script's clang).
# Safe to run repeatedly: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  libzip-dev libdeflate-dev zlib1g-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  zip unzip p7zip-full python3 jdupes fdupes
  desktop-file-utils appstream dpkg-dev dbus
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update
  $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
