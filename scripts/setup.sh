#!/usr/bin/env bash
# Installs the Debian packages Quillmere needs to build, run and test.
# Quiet and quick when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin qt6-wayland qt6-image-formats-plugins
  libgtest-dev libbenchmark-dev
  fontconfig libfontconfig-dev fonts-dejavu-core
  xvfb xauth x11-utils libxtst-dev
  dosfstools util-linux locales
  desktop-file-utils appstream dpkg-dev file
  dbus-daemon at-spi2-core python3-pyatspi
)
# Building the Debian package, and its test (a clean chroot, lintian): `setup.sh package`.
[ "${1:-}" != package ] || packages+=(debhelper mmdebstrap lintian man-db)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
