#!/usr/bin/env bash
# Installs the Debian packages needed to build and test Klondar.
#
# Safe to run repeatedly: it asks dpkg which packages are missing and only
# touches apt when at least one is. Runs apt as root directly, or through
# sudo when invoked by another user.
set -euo pipefail

# Every package the build needs. Add new ones here, one per line.
PACKAGES=(
  build-essential
  cmake
  ninja-build
  pkg-config
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  # The window: Qt 6 widgets, SVG (card faces are rendered from an SVG deck at build time)
  # and multimedia (sound effects).
  qt6-base-dev
  qt6-svg-dev
  qt6-multimedia-dev
  libgl-dev
  # The game's animated GIFs are written with giflib at build time.
  libgif-dev
  # The free SVG card decks the faces come from (GPL-2+).
  kdegames-card-data-kf5
  # Fonts of the table: Comic Neue stands in for Comic Sans MS.
  fonts-comic-neue
  fonts-dejavu-core
  # Chinese, Japanese and Korean texts: Noto Sans CJK (regular and bold, per-language glyphs).
  fonts-noto-cjk
  # Screenshot tests run the window under a virtual X server.
  xvfb
  xauth
)

log() { printf 'install-deps: %s\n' "$*"; }
die() { printf 'install-deps: error: %s\n' "$*" >&2; exit 1; }

is_installed() {
  local status
  status="$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true)"
  [[ "${status}" == "installed" ]]
}

missing_packages() {
  local pkg
  for pkg in "${PACKAGES[@]}"; do
    is_installed "${pkg}" || printf '%s\n' "${pkg}"
  done
}

command -v dpkg-query >/dev/null 2>&1 \
  || die "dpkg-query not found; this script supports Debian-based systems only."

mapfile -t missing < <(missing_packages)

if ((${#missing[@]} == 0)); then
  log "all ${#PACKAGES[@]} packages already installed."
  exit 0
fi

log "missing packages: ${missing[*]}"

command -v apt-get >/dev/null 2>&1 || die "apt-get not found; install manually: ${missing[*]}"

if [[ "$(id -u)" -eq 0 ]]; then
  as_root=(env)
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo env)
else
  die "must run as root or have sudo available to install: ${missing[*]}"
fi

as_root+=(DEBIAN_FRONTEND=noninteractive)

"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"

mapfile -t still_missing < <(missing_packages)
if ((${#still_missing[@]} != 0)); then
  die "packages still missing after install: ${still_missing[*]}"
fi

log "installed: ${missing[*]}"
