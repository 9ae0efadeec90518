#!/bin/sh
# Regenerates assets/Quillhour.xlt (an Excel 97-2003 template, the format Excel opens an .xlt
# by) from Quillhour.fods. Needs LibreOffice Calc and Python (Debian: libreoffice-calc-nogui,
# python3).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
soffice --headless -env:UserInstallation="file://$work/profile" \
  --convert-to 'xlt:MS Excel 97 Vorlage/Template' --outdir "$work" "$here/Quillhour.fods"
# Converting without a window, LibreOffice keeps no view settings: the frozen rows of the
# .fods are written into the .xlt afterwards.
/usr/bin/python3 "$here/freeze-panes.py" "$here/Quillhour.fods" "$work/Quillhour.xlt"
cp "$work/Quillhour.xlt" "$here/../Quillhour.xlt"
echo "wrote $here/../Quillhour.xlt"
