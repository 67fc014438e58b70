#!/usr/bin/env bash
# Build ばすぽう and start it. Arguments go to the program (e.g. /REGDEL).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${PACKAGES[@]}"
build
exec build/vaspo "$@"
