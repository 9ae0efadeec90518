#!/usr/bin/env bash
# An installer package of the add-in, as a user meets it: installed silently into a fresh Wine
# prefix (msiexec /i /qn), with every file and registry value it promises in place and the
# same values as the DLLs' own registration, the two classes created by ProgID through COM,
# upgraded in place by a package of a higher version, removed (msiexec /x), and nothing of the
# product left behind. The 64-bit package then runs every scenario through its installed
# DLLs. This Wine runs no 32-bit program (nor does the machine: its kernel executes no 32-bit
# binary), so the 32-bit DLLs are checked from outside: their type libraries read as data by a
# 64-bit process, their headers and exports, and the registration their package writes.
# Usage: package-test.sh <x64|x86> <package.msi> <folder of the upgrade test's package>
#        <install probe.exe> <server tests.exe> <scenario tests.exe> <work folder>
set -uo pipefail
source "$(dirname "$0")/../win/registration-checks.sh"

arch=$1 package=$(realpath -m "$2") upgrades=$3 probe=$4 server_tests=$5 scenario_tests=$6
work=$(realpath -m "$7")
export WINEDEBUG=-all

stop() { echo "FAIL: $*"; exit 1; }
section() { echo "== $* (at ${SECONDS}s)"; }
[ -f "$package" ] || stop "no $package: build it with cmake --build --preset windows-$arch"
upgrade=$(realpath -m "$(find "$upgrades" -name "Quillhour-*-$arch.msi" 2>/dev/null | head -n1)")
[ -f "$upgrade" ] || stop "no upgrade test package in $upgrades"

if [ "$arch" = x64 ]; then view=() platform=win64 machine=x86-64; else
  # A 32-bit Outlook reads the 32-bit view of the registry.
  view=(/reg:32) platform=win32 machine=i386
fi

# Wine's services keep the output of the program that started them open: a program whose
# output is not wanted runs detached from it.
quiet() { "$@" </dev/null >/dev/null 2>&1; }
windows_path() { local p; p=$(realpath -m "$1"); printf 'Z:%s' "${p//\//\\}"; }
# A table of a package; msiinfo writes a table's binary columns to files in the folder it
# runs in.
table() { (cd "$work" && msiinfo export "$1" "$2"); }
property() { table "$1" Property | tr -d '\r' | awk -F'\t' -v p="$2" '$1 == p {print $2}'; }
registry_rows() { table "$1" Registry | tr -d '\r' | tail -n +4; }
# A GUID as Windows Installer's registry keys write it: each of the first three groups
# reversed, the last eight bytes with their two hex digits swapped.
packed() {
  tr -d '{}-' <<<"$1" | awk '{
    for (i = 8; i > 0; i--) out = out substr($0, i, 1)
    for (i = 12; i > 8; i--) out = out substr($0, i, 1)
    for (i = 16; i > 12; i--) out = out substr($0, i, 1)
    for (i = 17; i < 32; i += 2) out = out substr($0, i + 1, 1) substr($0, i, 1)
    print out }'
}

# A fresh prefix whose session ends with the test: a temporary folder of its own, never the
# prefix of whoever runs the test.
rm -rf "$work" && mkdir -p "$work"
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/quillhour-package-$arch-XXXXXX") || stop "mktemp"
export WINEPREFIX
trap 'quiet wineserver -k; rm -rf "$WINEPREFIX"' EXIT
quiet wineserver -p60
quiet wine wineboot -i
local_appdata=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
[ -n "$local_appdata" ] || stop "no Wine prefix at $WINEPREFIX"
install_dir="$local_appdata\\Programs\\Quillhour"
unix_dir() { local p=${1#C:\\}; printf '%s/drive_c/%s' "$WINEPREFIX" "${p//\\//}"; }
installed=$(unix_dir "$install_dir")
# Everything on drive C: but the (empty) cache folders Windows Installer makes for itself, for
# the machine and for the user.
drive_c() {
  find "$WINEPREFIX/drive_c" ! -path "$WINEPREFIX/drive_c/windows/Installer" \
    ! -path "$(unix_dir "${local_appdata%\\Local}\\Roaming\\Microsoft\\Installer")" | sort
}
drive_c >"$work/files.before"

msi() {  # msi <msiexec arguments>: silently, with a log kept for a failure
  quiet wine msiexec "$@" /qn /l* "$(windows_path "$work/msiexec.log")" ||
    { tr -d '\r' <"$work/msiexec.log" 2>/dev/null | tail -n 20; stop "msiexec $*"; }
}

# The keys the package owns (its rows named "-"), as `reg export` names them.
own_keys() { registry_rows "$1" | awk -F'\t' '$4 == "-" {print "HKEY_CURRENT_USER\\" $3}'; }
# The values below the package's own keys, one "key<TAB>value line" of `reg export` each.
snapshot() {
  local file="$work/snapshot.reg"
  rm -f "$file"
  quiet wine reg export 'HKCU\Software' "$(windows_path "$file")" "${view[@]}" /y
  own_keys "$package" >"$work/own-keys"
  iconv -f UTF-16 -t UTF-8 "$file" 2>/dev/null | tr -d '\r' | awk -F'\t' '
    FILENAME != "-" { own[$0] = 1; next }
    /^\[/ { key = substr($0, 2, length($0) - 2); mine = 0
            for (k in own) if (key == k || index(key, k "\\") == 1) mine = 1; next }
    mine && /^(@|")/ { print key "\t" $0 }' "$work/own-keys" - | sort
}
# The values the package's Registry table promises, as snapshot prints them: [#file] is the
# installed file's path, "#n" a DWORD (no other formatting occurs in its values).
promised() {
  registry_rows "$1" | awk -F'\t' '$4 != "-" {
    key = "HKEY_CURRENT_USER\\" $3
    name = $4 == "" ? "@" : "\"" $4 "\""
    value = $5
    if (value ~ /^#[0-9]+$/) { printf "%s\t%s=dword:%08x\n", key, name, substr(value, 2); next }
    while (match(value, /\[#[^]]*\]/))
      value = substr(value, 1, RSTART - 1) ENVIRON["install_dir"] "\\" \
              substr(value, RSTART + 2, RLENGTH - 3) substr(value, RSTART + RLENGTH)
    gsub(/\\/, "&&", value)
    gsub(/"/, "\\\"", value)
    printf "%s\t%s=\"%s\"\n", key, name, value }' | sort
}
export install_dir

same() {  # same <what> <file> <file>
  if diff -u "$2" "$3" >"$work/diff"; then echo "ok: $1"; else
    echo "FAIL: $1"; cat "$work/diff"; failures=$((failures + 1))
  fi
}
# The product's entries in Apps and features (Wine keeps them for the machine).
entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s "${view[@]}" \
    2>/dev/null | tr -d '\r' | awk '/^HKEY/ {key = $0} /DisplayName +REG_SZ +Quillhour$/ {print key}'
}
check_files() {  # check_files <package>: the installed folder holds exactly the package's files
  rm -rf "$work/payload" && msiextract -C "$work/payload" "$1" >/dev/null
  (cd "$work/payload/Programs/Quillhour" && ls) >"$work/files.expected"
  (cd "$installed" 2>/dev/null && ls) >"$work/files.installed"
  same "the installed files are the package's" "$work/files.expected" "$work/files.installed"
  for f in $(cat "$work/files.expected"); do
    cmp -s "$work/payload/Programs/Quillhour/$f" "$installed/$f" ||
      { echo "FAIL: $f differs from the package's"; failures=$((failures + 1)); }
  done
}
check_installed() {  # check_installed <package>
  local version
  version=$(property "$1" ProductVersion)
  check_files "$1"
  snapshot >"$work/installed"
  promised "$1" >"$work/promised"
  same "every registry value of $(basename "$1") is in place, and no other" \
    "$work/promised" "$work/installed"
  check_registration "$install_dir\\Quillhour.dll" "$install_dir\\QuillhourControls.dll" \
    "$platform" "${view[@]}"
  local listed
  listed=$(entries)
  [ "$(wc -l <<<"$listed")" = 1 ] && echo "ok: one entry in Apps and features" ||
    { echo "FAIL: entries in Apps and features: $listed"; failures=$((failures + 1)); }
  check "it shows version $version" "$(wine reg query "$(head -n1 <<<"$listed")" \
    /v DisplayVersion "${view[@]}" 2>/dev/null | tr -d '\r')" "REG_SZ +$(escaped "$version")$"
  if [ -n "$(table "$1" Icon | tail -n +4)" ]; then
    local icon
    icon=$(wine reg query "HKCU\\Software\\Microsoft\\Installer\\Products\\$(packed \
      "$(property "$1" ProductCode)")" /v ProductIcon 2>/dev/null | tr -d '\r' |
      sed -n 's/^ *ProductIcon *REG_SZ *//p')
    [ -n "$icon" ] && [ -f "$(unix_dir "$icon")" ] && echo "ok: Apps and features shows its icon" ||
      { echo "FAIL: no product icon at '$icon'"; failures=$((failures + 1)); }
  fi
}

section "install $(basename "$package")"
msi /i "$(windows_path "$package")"
check_installed "$package"

# A 64-bit process loads only 64-bit DLLs.
if [ "$arch" = x64 ]; then
  section "the DLLs' own registration writes the same values"
  cp "$work/installed" "$work/by-package"
  for dll in Quillhour QuillhourControls; do
    quiet wine regsvr32 /s /u "$install_dir\\$dll.dll" || stop "regsvr32 /u $dll.dll"
  done
  snapshot >"$work/unregistered"
  same "regsvr32 /u removes every value the package wrote" /dev/null "$work/unregistered"
  for dll in Quillhour QuillhourControls; do
    quiet wine regsvr32 /s "$install_dir\\$dll.dll" || stop "regsvr32 $dll.dll"
  done
  snapshot >"$work/by-dlls"
  same "regsvr32 writes what the package wrote" "$work/by-package" "$work/by-dlls"

  section "Outlook's way in: by ProgID through COM"
  # Wine's COM reads only the machine's classes: the current user's are copied there for the
  # probe, and taken away again.
  mapfile -t class_keys < <(own_keys "$package" | grep '\\Software\\Classes\\' |
    sed 's/^HKEY_CURRENT_USER\\Software\\Classes\\//')
  for key in "${class_keys[@]}"; do
    quiet wine reg copy "HKCU\\Software\\Classes\\$key" "HKLM\\Software\\Classes\\$key" /s /f
  done
  probe_output=$(wine "$probe" 2>/dev/null </dev/null | tr -d '\r')
  probe_status=$?
  echo "$probe_output"
  [ "$probe_status" = 0 ] || failures=$((failures + 1))
  check "COM loaded the installed add-in" "$probe_output" \
    "^loaded: $(escaped "$install_dir\\Quillhour.dll")$"
  check "COM loaded the installed control library" "$probe_output" \
    "^loaded: $(escaped "$install_dir\\QuillhourControls.dll")$"
  for key in "${class_keys[@]}"; do
    quiet wine reg delete "HKLM\\Software\\Classes\\$key" /f
  done
fi

section "the installed DLLs' type libraries, read as data"
QH_MODULE_DIR="$install_dir" wine "$server_tests" --gtest_filter='TypeLibraryTest.*' \
  </dev/null 2>/dev/null | tr -d '\r' >"$work/typelib.out"
status=${PIPESTATUS[0]}
grep -E '^\[ +(OK|FAILED) +\]' "$work/typelib.out"
[ "$status" = 0 ] && grep -q '^\[  PASSED  \] [1-9]' "$work/typelib.out" &&
  echo "ok: both type libraries have the slots, DISPIDs and GUIDs Office and the tests expect" ||
  { echo "FAIL: the $arch DLLs' type libraries"; failures=$((failures + 1)); }

section "the DLLs' headers and exports"
for dll in Quillhour QuillhourControls; do
  headers=$(objdump -p "$installed/$dll.dll" 2>/dev/null)
  check "$dll.dll is a $machine DLL" "$headers" "file format pei-$machine$"
  # __stdcall names carry their argument size on 32-bit Windows; COM looks them up plain.
  awk '/\[Ordinal\/Name Pointer\] Table/ {on = 1; next} on && /^\t\[/ {print $NF}
       on && /^$/ {on = 0}' <<<"$headers" | sort >"$work/exports"
  same "$dll.dll exports the four entry points by their plain names" "$work/exports" \
    <(printf '%s\n' DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer)
done

section "upgrade to $(basename "$upgrade")"
old_product=$(property "$package" ProductCode)
msi /i "$(windows_path "$upgrade")"
check_installed "$upgrade"
check_absent "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$old_product" "${view[@]}"

section "uninstall"
new_product=$(property "$upgrade" ProductCode)
# Outlook writes to the add-in's entry too (it lowers LoadBehavior when it disables an
# add-in): removal takes the keys the product owns whole, whatever they came to hold.
quiet wine reg add "$addin_key" /v LoadBehavior /t REG_DWORD /d 2 /f
quiet wine reg add "$addin_key" /v WrittenByOutlook /d 1 /f
msi /x "$new_product"
# Anything of the product in the whole registry: its names, its classes, its product and
# upgrade codes, also in the packed form Windows Installer keys them by.
traces="quillhour|$(escaped "$addin_clsid")|$(escaped "$pane_clsid")|$(escaped "$controls_libid")"
for code in "$old_product" "$new_product" "$(property "$package" UpgradeCode)"; do
  traces+="|$(escaped "$code")|$(packed "$code")"
done
for root in HKCU HKLM; do
  rm -f "$work/all.reg"
  quiet wine reg export "$root" "$(windows_path "$work/all.reg")" /y
  left=$(iconv -f UTF-16 -t UTF-8 "$work/all.reg" | tr -d '\r' | grep -i -E "$traces")
  check "nothing of the product is left in $root" "${left:-none}" '^none$'
  [ -z "$left" ] || echo "$left"
done
drive_c >"$work/files.after"
same "drive C: holds the files it held before the install, no more" \
  "$work/files.before" "$work/files.after"

if [ "$arch" = x64 ]; then
  section "every scenario through the installed DLLs"
  msi /i "$(windows_path "$package")"
  QH_MODULE_DIR="$install_dir" wine "$scenario_tests" </dev/null 2>/dev/null | tr -d '\r' |
    grep -E '^\[(  PASSED  |  FAILED  |==========)\]' 
  [ "${PIPESTATUS[0]}" = 0 ] && echo "ok: the scenarios pass" ||
    { echo "FAIL: the scenarios"; failures=$((failures + 1)); }
fi

exit $((failures > 0))
