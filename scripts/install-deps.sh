#!/usr/bin/env bash
# Installs everything the build, the tests and the demo need on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive

packages=(
  # build and unit tests
  cmake ninja-build g++ clang clang-format ccache
  # static checks (scripts/lint.sh)
  clang-tidy shellcheck
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # the Windows program: cross compiler, and Wine to run it here
  g++-mingw-w64-x86-64 wine wine64 xvfb
  # the 32-bit program for Windows XP SP3 and later (win32 thread model)
  g++-mingw-w64-i686-win32
  # the Linux program: SDL2 joystick, X11/XTest/XKB, ALSA, Qt 6 Widgets
  libsdl2-dev libx11-dev libxtst-dev libxkbcommon-dev libasound2-dev qt6-base-dev
  xdg-utils
  # on Wayland sessions: the client library, the compositor protocols the
  # test client uses (xdg-shell), and headless sway for the tests (its bar
  # is the tray host; grim takes the bar's picture)
  libwayland-dev libwayland-bin wayland-protocols sway grim
  # KDE Plasma's windows through KWin's scripting on the session bus; a
  # private bus and headless KWin for the tests
  libdbus-1-dev dbus-daemon kwin-wayland
  # Qt's own German texts for the standard dialogs and buttons
  qt6-translations-l10n
  # its end-to-end tests: window manager, tray host, X tools, sound server
  # with the ALSA plugin (the sound server also gives Wine's multimedia mixer
  # a device: tests/win32/with_sound_server.sh), screenshots
  openbox tint2 x11-utils x11-xkb-utils xdotool pulseaudio pulseaudio-utils
  libasound2-plugins imagemagick
  # the release files (scripts/package.sh) and their checks; the Qt X11 and
  # Wayland platform plugins the .deb asks for
  dpkg-dev file lintian desktop-file-utils nsis zip unzip qt6-qpa-plugins qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
