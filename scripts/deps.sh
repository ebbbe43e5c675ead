#!/usr/bin/env bash
# Installs the Debian packages the build, the tools and the tests need, when
# any of them is missing. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev googletest
  libcurl4-openssl-dev
  fonts-ipafont-gothic
  clang clang-format libclang-rt-14-dev
  lhasa p7zip-full jlha-utils
  python3 python3-pyftpdlib dovecot-pop3d
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi
