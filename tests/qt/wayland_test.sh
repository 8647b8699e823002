#!/usr/bin/env bash
# Starts the program natively on Wayland, under a headless weston of its
# own, and sees its window twice: the program reports its first frame
# painted (the start-up probe), and the compositor's own screenshot shows
# the window's dark grey client area and yellow captions.
# Usage: wayland_test.sh EUROLIRE COLOUR_COUNT
set -euo pipefail
program=$1 colour_count=$2
source "$(dirname "$0")/scratch.sh"
export XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY

# --debug lets weston-screenshooter ask for the screen.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
  --socket=wayland-eurolire --idle-time=0 --no-config --debug \
  >"$scratch/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/wayland-eurolire" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/wayland-eurolire" ] ||
  { echo "weston did not start:"; cat "$scratch/weston.log"; exit 1; }
export WAYLAND_DISPLAY=wayland-eurolire

# No fallback to X11: the Wayland platform plugin or nothing.
: >"$scratch/probe"
QT_QPA_PLATFORM=wayland EUROLIRE_STARTUP_PROBE=1 "$program" \
  >"$scratch/probe" 2>"$scratch/program.log" &
pids+=($!)
# However long a busy machine takes; CTest's timeout bounds the wait.
until grep -q '^painted ' "$scratch/probe"; do
  kill -0 "${pids[1]}" 2>/dev/null || {
    echo "the program ended early:"; cat "$scratch/program.log"; exit 1; }
  sleep 0.1
done

# The compositor fades a new window in: look until the fade has ended.
grey=0 yellow=0
for _ in $(seq 50); do
  rm -f "$scratch"/wayland-screenshot-*.png
  (cd "$scratch" && weston-screenshooter >/dev/null 2>&1) || true
  shot=$(ls "$scratch"/wayland-screenshot-*.png 2>/dev/null || true)
  if [ -n "$shot" ]; then
    grey=$("$colour_count" "$shot" 64 64 64)
    yellow=$("$colour_count" "$shot" 255 255 0)
    # Most of the 468x145 client area is the window's grey; the captions
    # are a few hundred pixels of yellow.
    [ "$grey" -gt 30000 ] && [ "$yellow" -gt 200 ] && break
  fi
  sleep 0.2
done
echo "Wayland screen: $grey grey, $yellow yellow pixels"
[ "$grey" -gt 30000 ] && [ "$yellow" -gt 200 ] ||
  { echo "the window is not on the Wayland screen"; exit 1; }
