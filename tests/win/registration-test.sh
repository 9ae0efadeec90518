#!/usr/bin/env bash
# regsvr32 of Quillhour.dll and QuillhourControls.dll writes the current user's registration,
# which `wine reg query` reads back; regsvr32 /u removes it again. Nothing is registered for
# the machine.
# Usage: registration-test.sh <module folder>
set -uo pipefail
export WINEDEBUG=-all
source "$(dirname "$0")/registration-checks.sh"

modules=$1
windows_path() { printf 'Z:%s\\%s.dll' "${modules//\//\\}" "$1"; }

for library in Quillhour QuillhourControls; do
  wine regsvr32 /s "$(windows_path $library)" || { echo "FAIL: regsvr32 $library.dll"; exit 1; }
done

check_registration "$(windows_path Quillhour)" "$(windows_path QuillhourControls)" win64
check_absent "HKLM\\Software\\Classes\\TypeLib\\$addin_libid"

for library in Quillhour QuillhourControls; do
  wine regsvr32 /s /u "$(windows_path $library)" || { echo "FAIL: regsvr32 /u $library.dll"; exit 1; }
done
check_absent "$addin_key"
check_absent 'HKCU\Software\Classes\Quillhour.Connect'
check_absent "HKCU\\Software\\Classes\\CLSID\\$addin_clsid"
check_absent 'HKCU\Software\Classes\QuillhourControls.InspectorPane'
check_absent "HKCU\\Software\\Classes\\CLSID\\$pane_clsid"
check_absent "HKCU\\Software\\Classes\\TypeLib\\$controls_libid"

exit $((failures > 0))
