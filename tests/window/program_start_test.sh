#!/usr/bin/env bash
# Starts the program as a user would and checks that it shows its window
# (the start-up probe reports the first painted frame) and writes nothing to
# the user's home or configuration directories.
# Usage: program_start_test.sh EUROLIRE
set -euo pipefail
program=$1
home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
out=$home.out
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home \
  EUROLIRE_STARTUP_PROBE=1 "$program" >"$out" &
pid=$!
for _ in $(seq 100); do
  grep -q '^painted ' "$out" && break
  kill -0 "$pid" || { echo "the program ended early"; exit 1; }
  sleep 0.1
done
grep -q '^painted ' "$out" || { echo "no frame painted"; exit 1; }
kill -0 "$pid"  # still running, waiting for the user
kill "$pid"
wait "$pid" || true
rm -f "$out"
written=$(find "$home" -mindepth 1)
[ -z "$written" ] || { echo "written: $written"; exit 1; }
