#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# when they are missing. Sourced by scripts/run and scripts/test.
TARVIS_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev nlohmann-json3-dev libcli11-dev
  fonts-liberation xvfb xauth poppler-utils
)

tarvis_install_deps() {
  local missing=()
  for p in "${TARVIS_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
