#!/bin/sh
# Regenerates assets/Quillhour.xlt (an Excel 97-2003 template, the format Excel opens an .xlt
# by) from Quillhour.fods. Needs LibreOffice Calc (Debian: libreoffice-calc-nogui).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
soffice --headless -env:UserInstallation="file://$work/profile" \
  --convert-to 'xlt:MS Excel 97 Vorlage/Template' --outdir "$work" "$here/Quillhour.fods"
cp "$work/Quillhour.xlt" "$here/../Quillhour.xlt"
echo "wrote $here/../Quillhour.xlt"
