#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need. Safe to run again.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang-format
  # libraries
  libical-dev libicu-dev libxlsxwriter-dev libcli11-dev libfmt-dev libzip-dev libexpat1-dev
  libedit-dev  # the shell's line editing, completion and history
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # exported workbooks read back by other programs (tests/readers); the README's pictures
  python3-openpyxl libreoffice-calc-nogui poppler-utils
  # assets/icons/make_icons.py (the standard library only)
  python3
  clang libclang-rt-14-dev  # the calendar store's fuzz targets (libFuzzer)
  # the Windows DLLs (mingw-w64, widl, the standard IDL files) and their tests under Wine
  g++-mingw-w64-x86-64-posix mingw-w64-tools libwine-dev wine wine64 xvfb xauth
  # the 32-bit DLLs for a 32-bit Outlook, and the installer packages (wixl) and their tests
  g++-mingw-w64-i686-posix wixl msitools
  # pictures of the add-in's windows on the virtual display (scripts/screens.sh), drawn in
  # Wine's own fonts (the dialog fonts' metrics, the caption buttons' symbols)
  imagemagick fonts-wine
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
echo "setup: all packages present"
