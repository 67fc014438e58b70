#!/usr/bin/env bash
# Build the Debian package of ばすぽう from this tree, check it with lintian
# and print the path of the .deb (kept in build-deb/ with the source package).
# Usage: bash scripts/package.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

version=$(dpkg-parsechangelog -S Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy without version control and earlier builds, as a clean clone has it.
mkdir "$work/vaspo-$version"
tar -C "$ROOT" --exclude-vcs --exclude='./build' --exclude='./build-*' --exclude='./obj-*' -cf - . |
  tar -C "$work/vaspo-$version" -xf -
(cd "$work/vaspo-$version" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage --no-sign)

arch=$(dpkg-architecture -qDEB_HOST_ARCH)
# Errors and warnings fail the build; informational tags are shown.
lintian --info --fail-on error,warning "$work/vaspo_${version}_$arch.changes"
mkdir -p "$ROOT/build-deb"
cp "$work"/vaspo*_"$version"[._]* "$ROOT/build-deb/"
echo "$ROOT/build-deb/vaspo_${version}_$arch.deb"
