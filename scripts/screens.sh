#!/usr/bin/env bash
# Pictures of the add-in's windows as Windows draws them: one PNG per dialog (export.png,
# settings.png, about.png, log.png) and one of the task pane's control hosted in a window
# (pane.png), in build/windows/screens/. The DLLs run under Wine on a virtual display, with the
# simulated Outlook behind them (tests/win/ui/Screens.cpp opens each window); the pictures are
# taken from that display with ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target win_screens

out="$PWD/build/windows/screens"
rm -rf "$out"
mkdir -p "$out"

# A Wine prefix of its own, kept in the build folder: the windows are drawn in Wine's own
# fonts (the metrics the dialogs were laid out for, the symbols of the caption buttons), which
# Debian installs beside Wine rather than in a prefix, and Wine draws the frames and captions
# itself, as no window manager runs on the virtual display. Its session starts there and ends
# with the script.
export WINEPREFIX="$PWD/build/windows/wine-screens"
export WINEDEBUG=-all
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

export QH_MODULE_DIR="Z:$PWD/build/windows/modules"
export QH_SCREENS_DIR="Z:${out//\//\\}"
export SCREENS_OUT="$out"
export SCREENS_PROGRAM="$PWD/build/windows/tests/win/win_screens.exe"

# The program asks for each picture with <name>.request ("x y width height" on the screen)
# and goes on when <name>.png is there.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  wine cmd /c exit </dev/null >/dev/null 2>&1
  ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Decorated /d N /f >/dev/null 2>&1
  wine "$SCREENS_PROGRAM" &
  program=$!
  take() {
    for request in "$SCREENS_OUT"/*.request; do
      [ -e "$request" ] || continue
      name=$(basename "$request" .request)
      read -r x y w h < "$request"
      import -window root -crop "${w}x${h}+${x}+${y}" +repage "$SCREENS_OUT/$name.part.png"
      mv "$SCREENS_OUT/$name.part.png" "$SCREENS_OUT/$name.png"
      rm -f "$request"
      echo "screens: $name.png"
    done
  }
  while kill -0 "$program" 2>/dev/null; do
    take
    sleep 0.2
  done
  wait "$program"
'
ls "$out"/*.png
