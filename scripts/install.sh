#!/usr/bin/env bash
# Build ばすぽう and install it for the current user (default prefix ~/.local),
# with its launcher, icons and metainfo. Usage: bash scripts/install.sh [PREFIX]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
prefix=${1:-$HOME/.local}
ensure_packages "${PACKAGES[@]}"
build
cmake --install build --prefix "$prefix"
echo "Installed into $prefix: start it from the desktop's menu (Games: ばすぽう) or as $prefix/bin/vaspo."
