#!/usr/bin/env bash
# Checks that the Windows files carry the project's one version wherever
# Windows shows one: the version resource's binary and text versions (file
# properties), and the manifest's assembly identity of the programs. Reads
# the files as bytes; needs no Wine.
# Usage: version_test.sh VERSION INSTALLER PROGRAM...
set -euo pipefail
export LC_ALL=C
version=$1 installer=$2
shift 2
status=0

# FILE: the binary FILEVERSION and PRODUCTVERSION of FILE's version resource,
# as a.b.c.d each, from the VS_FIXEDFILEINFO after its signature 0xFEEF04BD.
fixed_versions() {
  local offset
  offset=$(grep -obUaP '\xbd\x04\xef\xfe' "$1" | head -n 1 | cut -d: -f1)
  [ -n "$offset" ] || return 0
  # Each version is two little-endian words: (a << 16 | b) and (c << 16 | d).
  od -An -tu2 -j $((offset + 8)) -N 16 "$1" |
    awk '{ print $2 "." $1 "." $4 "." $3, $6 "." $5 "." $8 "." $7 }'
}
# FILE KEY: the text value of KEY in FILE's version resource (UTF-16).
version_text() { strings -el "$1" | grep -A1 -x "$2" | sed -n 2p; }

expect() {  # expect WHAT ACTUAL WANTED
  if [ "$2" = "$3" ]; then
    echo "ok: $1: $3"
  else
    echo "FAILED: $1: \"$2\", wanted \"$3\""
    status=1
  fi
}

for file in "$installer" "$@"; do
  name=$(basename "$file")
  expect "$name, binary file and product versions" \
    "$(fixed_versions "$file")" "$version.0 $version.0"
  for key in FileVersion ProductVersion; do
    expect "$name, $key" "$(version_text "$file" "$key")" "$version"
  done
done
for program in "$@"; do
  expect "$(basename "$program"), manifest's assembly version" \
    "$(grep -aoP '<assemblyIdentity type="win32" name="Morvek\.EuroLire" version="\K[^"]*' "$program")" \
    "$version.0"
done
exit $status
