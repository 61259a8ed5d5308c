#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging Corvix need.
# Packages already present are skipped; nothing is fetched when all are there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev zlib1g-dev
  fonts-liberation fontconfig python3
  clang libclang-rt-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  dpkg-dev file
  librsvg2-bin poppler-utils
  libgraphviz-dev graphviz
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    SUDO=sudo
  else
    echo "Corvix needs these Debian packages, which are not installed:" >&2
    echo "  ${missing[*]}" >&2
    echo "Install them as root with:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
else
  SUDO=
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
