#!/usr/bin/env bash
# Renders the demo's workbook with LibreOffice into the pictures the README shows:
# docs/images/workbook-data.png, workbook-chart.png and workbook-pivot.png, one per sheet.
# Needs the release build of quillhour and LibreOffice and poppler-utils (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/release/apps/quillhour/quillhour
[ -x "$program" ] || { echo "build first: cmake --preset release && cmake --build --preset release" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$program" demo --out "$work/demo" >/dev/null
# One page per sheet, whatever its size: the data sheet, the chart, the pivot table.
soffice -env:UserInstallation="file://$work/profile" --headless \
  --convert-to 'pdf:calc_pdf_Export:{"SinglePageSheets":{"type":"boolean","value":"true"}}' \
  --outdir "$work" "$work/demo/Quillhour1.xlsx" >/dev/null
pdftoppm -r 70 -png "$work/Quillhour1.pdf" "$work/sheet"
mkdir -p docs/images
for pair in 1:data 2:chart 3:pivot; do
  cp "$work/sheet-${pair%%:*}.png" "docs/images/workbook-${pair##*:}.png"
done
echo "wrote docs/images/workbook-data.png, workbook-chart.png, workbook-pivot.png"
