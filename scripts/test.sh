#!/usr/bin/env bash
# Build ばすぽう and run all its tests headless; exits with ctest's status.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build
export QT_QPA_PLATFORM=offscreen
exec ctest --test-dir build --output-on-failure
