#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: the
# two programs side by side, a valid desktop entry whose command opens the
# window, AppStream metainfo, and the icon.
# Usage: install_test.sh BUILD_DIR DESKTOP_FILE_VALIDATE APPSTREAMCLI
set -euo pipefail
build=$1 desktop_file_validate=$2 appstreamcli=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

test -x "$prefix/bin/eurolire"
test -x "$prefix/bin/eurolire-window"
desktop=$prefix/share/applications/it.morvek.eurolire.desktop
"$desktop_file_validate" "$desktop"
grep -qx 'Name=Convertitore Euro/Lire' "$desktop"
grep -q '^Comment=' "$desktop"
grep -qx 'Icon=eurolire' "$desktop"
# The entry starts the window program itself, not through the command line;
# found on the PATH as the desktop would find it, it shows the window.
grep -qx 'Exec=eurolire-window' "$desktop"
command=$(sed -n 's/^Exec=//p' "$desktop")
PATH=$prefix/bin:$PATH "$(dirname "$0")/program_start_test.sh" $command
"$appstreamcli" validate --no-net \
  "$prefix/share/metainfo/it.morvek.eurolire.metainfo.xml"
test -f "$prefix/share/icons/hicolor/32x32/apps/eurolire.png"
