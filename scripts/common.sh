# shellcheck shell=bash
# Sourced by the scripts in scripts/, bench/idle_cost.sh and tests/package/check_package.sh.
# Sets ROOT to the repository root and cds there.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT" || exit 1

# What the build and the program need on Debian 12:
#   g++ cmake make                           compiler and build tools
#   qt6-base-dev                             Qt Core, Gui, Widgets, Test and their CMake files
#   libgl-dev libglx-dev libopengl-dev       OpenGL files that Qt6Gui's CMake config requires
#   qt6-tools-dev qt6-l10n-tools             Qt's Linguist tools for CMake: lupdate, lrelease
#   qt6-translations-l10n                    Qt's own Japanese texts (buttons of standard dialogs)
#   fonts-ipafont-gothic                     a Japanese font
# shellcheck disable=SC2034  # used by the scripts that source this file
PACKAGES=(g++ cmake make qt6-base-dev libgl-dev libglx-dev libopengl-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-ipafont-gothic)
# What only the tests need: a virtual X display with a window manager and
# keys pressed on it, to drive the windows and the real program as on a
# desktop; the desktop's validators for the installed files; GLib's `gio
# launch`, which starts the autostart entry as GNOME would; dpkg-source and
# lintian for the source package; a private session bus for the tray icon's
# panels.
# shellcheck disable=SC2034
TEST_PACKAGES=(xvfb openbox xdotool desktop-file-utils libglib2.0-bin appstream dpkg-dev lintian dbus-daemon)
# What building the Debian package needs besides the build's own packages.
# shellcheck disable=SC2034
PACKAGE_PACKAGES=(build-essential dpkg-dev debhelper lintian)

# Installs those of the named Debian packages that are not installed yet.
ensure_packages() {
  local missing=() p
  for p in "$@"; do
    [[ $(dpkg-query -W -f='${Status}' "$p" 2>/dev/null) == "install ok installed" ]] || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  if ((EUID != 0)); then
    if command -v sudo >/dev/null; then
      sudo=(sudo)
    else
      echo "Missing Debian packages. As root, run:" >&2
      echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
      return 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures and builds into build/ (build/vaspo and the tests).
build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j"$(nproc)"
}
