#!/usr/bin/env bash
# Installs, from Debian's packages, what building and testing Corvallo needs.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev          # core and its tests
  g++-mingw-w64-x86-64-posix                             # the Windows cross build
  libstb-dev                                             # the Windows program's PNG decoder (stb_image)
  clang libclang-rt-14-dev                               # the fuzz targets (clang 14, libFuzzer)
  wine wine64 xvfb x11-utils xdotool                     # running the Windows program and its tests
  nsis python3-yaml                                      # the Windows installer, its manifests' check
  faketime                                               # a moved clock for the Windows program's fault tests
  librsvg2-bin imagemagick fonts-dejavu-core             # pictures and their check
  qt6-base-dev trayer                                    # the Linux program, a tray host for its tests
  libfontconfig-dev libpng-dev                           # the Linux program reads fonts and pictures directly
  dbus-daemon xfce4-panel                                # a session bus and a StatusNotifierItem host
  weston qt6-wayland                                     # a Wayland compositor, Qt on Wayland
  libxcb1-dev                                            # the Linux benchmark's window watcher
  locales                                                # the locales the Windows program is tested in
  dpkg-dev lintian                                       # the .deb: its library dependencies, its check
  desktop-file-utils appstream                           # checks of the menu entry and the metainfo
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done

if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The locales tools/test-locales.sh runs the Windows program in (Wine takes
# the user's locale and ANSI code page from LANG, and glibc only knows the
# locales generated here). Enabled in /etc/locale.gen, generated when missing.
locales=(en_US ja_JP zh_CN zh_TW ko_KR he_IL ar_EG th_TH pl_PL ru_RU el_GR tr_TR lt_LT vi_VN)
generate=0
for name in "${locales[@]}"; do
  if ! grep -qx "$name.UTF-8 UTF-8" /etc/locale.gen; then
    if grep -qx "# *$name.UTF-8 UTF-8" /etc/locale.gen; then
      sed -i "s/^# *$name.UTF-8 UTF-8\$/$name.UTF-8 UTF-8/" /etc/locale.gen
    else
      echo "$name.UTF-8 UTF-8" >>/etc/locale.gen
    fi
  fi
  locale -a | grep -qxF "$name.utf8" || generate=1
done
if ((generate)); then
  locale-gen >/dev/null
fi
