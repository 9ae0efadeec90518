# What the registration of Quillhour.dll and QuillhourControls.dll must leave in the current
# user's hive of a Wine prefix, however it was written (regsvr32 or the installer package).
# Sourced by the tests that register; `failures` counts what failed.
# shellcheck shell=bash

failures=0
addin_clsid='{CD9A9032-D74E-4F77-8EF5-4DDCF7DE99D8}'
pane_clsid='{4E0507B5-3ED9-46ED-A3AA-5C8CD82722DE}'
addin_libid='{8E3C1F4A-52B7-4D0E-9A61-3F2B7C9D0E15}'
controls_libid='{2D5AA693-2408-405F-9058-E9C5B5C57E60}'
extensibility_iid='{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}'
addin_key='HKCU\Software\Microsoft\Office\Outlook\Addins\Quillhour.Connect'

# The subtree of a key as `reg query /s` prints it, or nothing when it is absent (reg then
# fails, with its message on standard output). Extra arguments go to reg (/reg:32).
tree() {
  local out
  out=$(wine reg query "$@" /s 2>/dev/null) || return 0
  tr -d '\r' <<<"$out"
}
check() {  # check <what> <text> <extended regex that must match one line>
  if grep -Eq -- "$3" <<<"$2"; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
check_absent() {  # check_absent <key> [reg arguments]
  if [ -z "$(tree "$@")" ]; then echo "ok: no $1"; else echo "FAIL: $1 is there"; failures=$((failures + 1)); fi
}
escaped() { sed 's/[][\.*^$(){}+?|]/\\&/g' <<<"$1"; }

# check_registration <add-in DLL's Windows path> <control library's path> <type library
# platform: win32|win64> [reg arguments for the registry view]
check_registration() {
  local addin=$1 controls=$2 platform=$3
  shift 3
  local addins classes
  addins=$(tree "$addin_key")
  check "FriendlyName" "$addins" '^ +FriendlyName +REG_SZ +Quillhour$'
  check "Description" "$addins" '^ +Description +REG_SZ +Outlook time and project reporting$'
  check "LoadBehavior is a DWORD 3" "$addins" '^ +LoadBehavior +REG_DWORD +0x3$'

  classes=$(tree 'HKCU\Software\Classes' "$@")
  check "ProgID of the add-in" "$classes" "^ +\(Default\) +REG_SZ +$(escaped "$addin_clsid")$"
  check "the add-in's server is the DLL" "$classes" \
    "^ +\(Default\) +REG_SZ +$(escaped "$addin")$"
  check "the add-in lives in the caller's apartment" "$classes" '^ +ThreadingModel +REG_SZ +Apartment$'
  check "the control's server is its DLL" "$classes" \
    "^ +\(Default\) +REG_SZ +$(escaped "$controls")$"
  check "the control's ProgID" "$classes" \
    '^HKEY_CURRENT_USER\\Software\\Classes\\QuillhourControls\.InspectorPane\\CLSID$'
  check "the control is marked as a control" "$classes" \
    "^HKEY_CURRENT_USER\\\\Software\\\\Classes\\\\CLSID\\\\$(escaped "$pane_clsid")\\\\Control$"
  check "the control library's type library is the DLL, for $platform" "$(tree \
    "HKCU\\Software\\Classes\\TypeLib\\$controls_libid\\1.0\\0\\$platform" "$@")" \
    "^ +\(Default\) +REG_SZ +$(escaped "$controls")$"
  # The add-in's type library re-declares Office's interfaces: it stays unregistered, and
  # Office's interface keys untouched.
  check_absent "HKCU\\Software\\Classes\\TypeLib\\$addin_libid" "$@"
  check_absent "HKCU\\Software\\Classes\\Interface\\$extensibility_iid" "$@"
}
