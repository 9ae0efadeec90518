#!/usr/bin/env bash
# regsvr32 of Quillhour.dll and QuillhourControls.dll writes the current user's registration,
# which `wine reg query` reads back; regsvr32 /u removes it again. No type library is
# registered (the add-in's re-declares Office's interfaces), and nothing else of Office's.
# Usage: registration-test.sh <module folder>
set -uo pipefail
export WINEDEBUG=-all

modules=$1
failures=0
addin_clsid='{CD9A9032-D74E-4F77-8EF5-4DDCF7DE99D8}'
pane_clsid='{4E0507B5-3ED9-46ED-A3AA-5C8CD82722DE}'

windows_path() { printf 'Z:%s\\%s.dll' "${modules//\//\\}" "$1"; }
# The subtree of a key as `reg query /s` prints it, or nothing when it is absent (reg then
# fails, with its message on standard output).
tree() {
  local out
  out=$(wine reg query "$1" /s 2>/dev/null) || return 0
  tr -d '\r' <<<"$out"
}
check() {  # check <what> <text> <extended regex that must match one line>
  if grep -Eq -- "$3" <<<"$2"; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
check_absent() {  # check_absent <key>
  if [ -z "$(tree "$1")" ]; then echo "ok: no $1"; else echo "FAIL: $1 is there"; failures=$((failures + 1)); fi
}
escaped() { sed 's/[][\.*^$(){}+?|]/\\&/g' <<<"$1"; }

for library in Quillhour QuillhourControls; do
  wine regsvr32 /s "$(windows_path $library)" || { echo "FAIL: regsvr32 $library.dll"; exit 1; }
done

addins=$(tree 'HKCU\Software\Microsoft\Office\Outlook\Addins\Quillhour.Connect')
check "FriendlyName" "$addins" '^ +FriendlyName +REG_SZ +Quillhour$'
check "Description" "$addins" '^ +Description +REG_SZ +Outlook time and project reporting$'
check "LoadBehavior is a DWORD 3" "$addins" '^ +LoadBehavior +REG_DWORD +0x3$'

classes=$(tree 'HKCU\Software\Classes')
check "ProgID of the add-in" "$classes" "^ +\(Default\) +REG_SZ +$(escaped "$addin_clsid")$"
check "the add-in's server is the DLL" "$classes" \
  "^ +\(Default\) +REG_SZ +$(escaped "$(windows_path Quillhour)")$"
check "the add-in lives in the caller's apartment" "$classes" '^ +ThreadingModel +REG_SZ +Apartment$'
check "the control's server is its DLL" "$classes" \
  "^ +\(Default\) +REG_SZ +$(escaped "$(windows_path QuillhourControls)")$"
check "the control's ProgID" "$classes" \
  '^HKEY_CURRENT_USER\\Software\\Classes\\QuillhourControls\.InspectorPane\\CLSID$'
check "the control is marked as a control" "$classes" \
  "^HKEY_CURRENT_USER\\\\Software\\\\Classes\\\\CLSID\\\\$(escaped "$pane_clsid")\\\\Control$"

check_absent 'HKCR\TypeLib\{8E3C1F4A-52B7-4D0E-9A61-3F2B7C9D0E15}'
check_absent 'HKCR\TypeLib\{2D5AA693-2408-405F-9058-E9C5B5C57E60}'
check_absent 'HKCR\Interface\{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}'

for library in Quillhour QuillhourControls; do
  wine regsvr32 /s /u "$(windows_path $library)" || { echo "FAIL: regsvr32 /u $library.dll"; exit 1; }
done
check_absent 'HKCU\Software\Microsoft\Office\Outlook\Addins\Quillhour.Connect'
check_absent 'HKCU\Software\Classes\Quillhour.Connect'
check_absent "HKCU\\Software\\Classes\\CLSID\\$addin_clsid"
check_absent 'HKCU\Software\Classes\QuillhourControls.InspectorPane'
check_absent "HKCU\\Software\\Classes\\CLSID\\$pane_clsid"

exit $((failures > 0))
