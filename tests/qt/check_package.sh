#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what it holds: the
# program's files under /usr and nothing else, and the dependencies a desktop
# user needs. Then lintian, when present, must report no error.
# Usage: check_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/eurolire_*_amd64.deb)
echo "built $(basename "$package")"

fail() { echo "FAIL: $*"; status=1; }
status=0
files=$(dpkg-deb -c "$package" | awk '{print $6}' | sed 's|^\./|/|')

for wanted in \
  '^/usr/bin/eurolire$' \
  '^/usr/bin/eurolire-window$' \
  '^/usr/share/man/man1/eurolire-window\.1\.gz$' \
  '^/usr/share/applications/[^/]+\.desktop$' \
  '^/usr/share/icons/hicolor/[^/]+/apps/[^/]+\.png$' \
  '^/usr/share/metainfo/[^/]+\.metainfo\.xml$' \
  '^/usr/share/man/man1/eurolire\.1\.gz$' \
  '^/usr/share/doc/eurolire/copyright$' \
  '^/usr/share/doc/eurolire/changelog\.gz$'; do
  grep -Eq "$wanted" <<<"$files" || fail "no file matches $wanted"
done
strays=$(grep -v -E '^/usr(/|$)' <<<"$files" | grep -v -E '^/$' || true)
[ -z "$strays" ] || fail "files outside /usr: $strays"
local_files=$(grep -E '^/usr/local/' <<<"$files" || true)
[ -z "$local_files" ] || fail "files under /usr/local: $local_files"
grep -qF "$build" <<<"$files" && fail "files named after the build tree"
# The binary must not point into the build tree either (RPATH).
dpkg-deb -x "$package" "$work/root"
for program in eurolire eurolire-window; do
  if readelf -d "$work/root/usr/bin/$program" | grep -qE 'R(UN)?PATH'; then
    fail "$program carries an RPATH"
  fi
done
# The command line is linked without Qt: it starts with no display and on a
# system without Qt.
if readelf -d "$work/root/usr/bin/eurolire" | grep NEEDED | grep -q libQt; then
  fail "eurolire needs Qt"
fi

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for wanted in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc\\+\\+6 \
              fonts-liberation2 qt6-translations-l10n; do
  grep -Eq "(^|, )$wanted( |,|$)" <<<"$depends" || fail "Depends lacks $wanted"
done
recommends=$(dpkg-deb -f "$package" Recommends)
echo "Recommends: $recommends"
grep -Eq "(^|, )qt6-wayland( |,|$)" <<<"$recommends" ||
  fail "Recommends lacks qt6-wayland"
[ "$(dpkg-deb -f "$package" Version)" = "$2" ] || fail "version is not $2"
[ "$(dpkg-deb -f "$package" Section)" = utils ] || fail "section is not utils"

if command -v lintian >/dev/null; then
  lintian --fail-on error --no-tag-display-limit "$package" || fail "lintian reports errors"
fi
exit $status
