#!/usr/bin/env bash
# Starts Xvfb and prints the start-up figures of the window program, as the
# desktop entry starts it, and of eurolire with no arguments, which starts
# the window program in its place, against the bare window: medians over
# RUNS interleaved runs (default 21), then CPU ticks used over IDLE seconds
# (default 5) of sitting idle, unfocused.
# Usage: bench/startup/run.sh [BUILD_DIR] [RUNS] [IDLE]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-21}
idle=${3:-5}
for program in bin/eurolire-window bin/eurolire bench/startup/bare_window \
  bench/startup/startup_bench; do
  [ -x "$build/$program" ] || { echo "build first: $build/$program"; exit 1; }
done

display=99
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
runtime=$(mktemp -d)
trap 'kill "$xvfb"; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
export DISPLAY=":$display"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export LANG=it_IT.UTF-8
# The pointer sits in a corner, away from the centred windows, so that
# nothing gives them the focus.
xdotool mousemove 0 0 2>/dev/null || true
"$build/bench/startup/startup_bench" "$runs" "$idle" \
  "$build/bin/eurolire-window" "$build/bin/eurolire" \
  "$build/bench/startup/bare_window"
