#!/usr/bin/env bash
# Installs, from Debian's packages, the sound servers only `make bench` needs (never the tests).
set -euo pipefail

packages=(
  pulseaudio pulseaudio-utils
  pipewire pipewire-bin pipewire-pulse wireplumber
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
