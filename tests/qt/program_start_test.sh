#!/usr/bin/env bash
# Starts the program as a user would and checks that it shows its window
# (the start-up probe reports the first painted frame) and writes nothing to
# the user's home or configuration directories.
# Usage: program_start_test.sh PROGRAM [ARGS...]
set -euo pipefail
pid=
home=$(mktemp -d)
out=$(mktemp)
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$home" "$out"' EXIT
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home \
  EUROLIRE_STARTUP_PROBE=1 "$@" >"$out" &
pid=$!
# However long a busy machine takes; CTest's timeout bounds the wait.
until grep -q '^painted ' "$out"; do
  kill -0 "$pid" 2>/dev/null || { echo "the program ended early"; exit 1; }
  sleep 0.1
done
kill -0 "$pid"  # still running, waiting for the user
kill "$pid"
wait "$pid" || true
pid=
written=$(find "$home" -mindepth 1)
[ -z "$written" ] || { echo "written: $written"; exit 1; }
