#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Asks for root when needed.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends \
  cmake ninja-build g++ pkg-config \
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-qpa-plugins qt6-translations-l10n \
  qt6-multimedia-dev qt6-webengine-dev \
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libkissfft-dev \
  sqlite3 dbus dbus-x11 xvfb xauth xdotool x11-utils imagemagick faketime libfaketime \
  pulseaudio pulseaudio-utils sox libsox-fmt-all ffmpeg python3 \
  fonts-noto-cjk libqt6svg6 at-spi2-core gir1.2-atspi-2.0 python3-gi
