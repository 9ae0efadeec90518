#!/usr/bin/env bash
# The layout tests once more on a display scaled to 150 per cent (144 dots an inch), where a
# twip is no whole number of pixels: the dialogs' children and the pane's must still stand
# within a pixel of their models. The resolution is the current user's setting, read by each
# Wine program as it starts; it is put back afterwards, so this runs alone.
# Usage: high-dpi-test.sh <win_ui_tests.exe> <win_server_tests.exe>
set -uo pipefail
export WINEDEBUG=-all QH_EXPECT_DPI=144

key='HKCU\Control Panel\Desktop'
wine reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
trap 'wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1' EXIT

failures=0
wine "$1" --gtest_filter='Dialogs.EveryControl*' || failures=$((failures + 1))
wine "$2" --gtest_filter='PaneControlHosting.Draws*' || failures=$((failures + 1))
exit "$failures"
