#!/usr/bin/env bash
# Installs the program with its installer silently under Wine, checks the
# files, the Start-menu shortcut and the Add/Remove Programs entry, starts
# the installed program, uninstalls silently and checks that nothing of it
# is left: no file, no shortcut, no registry key.
# Runs in the Wine prefix of the environment (scripts/windows sets it up).
# Usage: installer_test.sh INSTALLER WINDOW_TEST FAKE_BROWSER VERSION
set -euo pipefail
installer=$1
window_test=$2
fake_browser=$3
version=$4
: "${WINEPREFIX:?needs the Wine prefix}"

drive_c=$WINEPREFIX/drive_c
folder="$drive_c/Program Files/Convertitore Euro-Lire"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Convertitore Euro-Lire.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\eurolire'
passes=0
failures=0
check() {  # check DESCRIPTION COMMAND...
  local description=$1
  shift
  if "$@"; then
    echo "ok: $description"
    passes=$((passes + 1))
  else
    echo "FAILED: $description"
    failures=$((failures + 1))
  fi
}
has_key() { wine reg query "$key" /v "$1" >/dev/null 2>&1; }
value_of() {  # the text the entry holds under the name $1
  wine reg query "$key" /v "$1" | tr -d '\r' |
    awk -v name="$1" '$1 == name { print $3 }'
}
leftovers() {  # every file or folder of the program under drive_c
  find "$drive_c" \( -iname '*eurolire*' -o -iname 'Convertitore*' \) -print
}

[ -z "$(leftovers)" ] || { echo "the prefix is not clean:"; leftovers; exit 1; }

# /S: silent. The installer's process ends when it is done.
wine "$installer" /S
check "eurolire.exe in Program Files" test -f "$folder/eurolire.exe"
check "eurolire.com beside it" test -f "$folder/eurolire.com"
check "its uninstaller beside it" test -f "$folder/uninstall.exe"
check "a Start-menu shortcut" test -f "$shortcut"
check "an Add/Remove Programs entry" has_key DisplayName
check "with a silent uninstall command" has_key QuietUninstallString
check "showing version $version" test "$(value_of DisplayVersion)" = "$version"
check "the installed program starts, centred with the focus in Euro" \
  wine "$window_test" "$folder/eurolire.exe" "$fake_browser" \
  --gtest_filter=Window.StartsCentredAtItsSizeWithTheFocusInEuro \
  --gtest_brief=1

# The program the check above started may still be ending, its files still
# open, so that the uninstaller could not take its folder away: as a user
# would, uninstall once it has ended.
wineserver --wait
# The uninstaller runs a copy of itself from the temporary folder and
# returns at once; the Wine server ends once every Wine process, that copy
# included, has ended.
wine "$folder/uninstall.exe" /S
wineserver --wait
check "the program's folder is gone" test ! -e "$folder"
check "the shortcut is gone" test ! -e "$shortcut"
check "the Add/Remove Programs entry is gone" \
  bash -c "! wine reg query '$key' >/dev/null 2>&1"
check "no file of the program is left anywhere in the prefix" \
  test -z "$(leftovers)"
# The copy cannot delete itself while it runs: as on Windows, it is
# deleted at the next restart (PendingFileRenameOperations).
wineboot --restart
wineserver --wait
temp_files() { find "$drive_c/users" -path '*/Temp/*' -type f -print; }
check "after a restart, no file left in the temporary folder" \
  test -z "$(temp_files)"
temp_files
leftovers

echo "installer: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
