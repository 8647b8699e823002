#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: the
# binary, a valid desktop entry and AppStream metainfo, and the icon.
# Usage: install_test.sh BUILD_DIR DESKTOP_FILE_VALIDATE APPSTREAMCLI
set -euo pipefail
build=$1 desktop_file_validate=$2 appstreamcli=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

test -x "$prefix/bin/eurolire"
desktop=$prefix/share/applications/it.morvek.eurolire.desktop
"$desktop_file_validate" "$desktop"
grep -qx 'Name=Convertitore Euro/Lire' "$desktop"
grep -q '^Comment=' "$desktop"
grep -qx 'Icon=eurolire' "$desktop"
"$appstreamcli" validate --no-net \
  "$prefix/share/metainfo/it.morvek.eurolire.metainfo.xml"
test -f "$prefix/share/icons/hicolor/32x32/apps/eurolire.png"
