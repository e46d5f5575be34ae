#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and is missing.
# With --list, only prints the packages' names (the Debian 13 chroot is made with them).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n
  libsdl2-dev libsdl2-mixer-dev
  libgtest-dev libgmock-dev strace
  # The screen-reader test: a real X server, the accessibility bus, a window manager, keys.
  xvfb xauth at-spi2-core dbus-x11 python3-pyatspi openbox xdotool
  # ... and the screen reader itself, speaking Spanish into a sound sink of the test's own.
  orca speech-dispatcher speech-dispatcher-espeak-ng pulseaudio locales procps
  # The package: debhelper builds it, scdoc its manual pages; Debian's checkers of the source
  # package, the .deb and its metadata.
  debhelper scdoc lintian appstream desktop-file-utils
  # The sound check: loudness meter and, to compare hashes, the sound generator's tools.
  sox espeak-ng ffmpeg python3-numpy
  # The key-to-sound benchmark: keys by the X test extension, the sink heard through libpulse.
  libxtst-dev libpulse-dev
)
if [ "${1:-}" = --list ]; then
  echo "${packages[*]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The screen reader's test runs in es_ES.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
  grep -q '^# *es_ES.UTF-8 UTF-8' /etc/locale.gen &&
    $sudo sed -i 's/^# *es_ES.UTF-8 UTF-8/es_ES.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi
