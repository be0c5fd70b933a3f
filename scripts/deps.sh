#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, runs and tests with.
# Idempotent: asks apt only for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-format
  qt6-base-dev libqt6sql6-mysql libmariadb-dev pkg-config qt6-translations-l10n
  mariadb-server mariadb-client
  fonts-liberation xvfb xauth poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Instalando: ${missing[*]}"
$sudo apt-get update -qq
# The server package would start Debian's own service; we only want the binaries.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
