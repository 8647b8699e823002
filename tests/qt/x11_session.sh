#!/usr/bin/env bash
# Runs a program on a display of its own: a fresh Xvfb, with or without a
# window manager, the program on Qt's xcb platform.
# Usage: x11_session.sh none|openbox PROGRAM [ARGS...]
set -euo pipefail
wm=$1
shift
source "$(dirname "$0")/scratch.sh"

# -displayfd picks a free display and tells its number, so that tests run
# side by side never meet on one display.
: >"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
  3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
display=
for _ in $(seq 100); do
  display=$(tr -d '\n' <"$scratch/display")
  [ -n "$display" ] && break
  sleep 0.1
done
[ -n "$display" ] || { echo "Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=":$display"
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb EUROLIRE_TEST_WM=$wm
# Under AddressSanitizer: libxkbcommon-x11 strndup()s counted strings that
# have no terminating NUL, which is allowed but which strict string checks
# take for an overread. The later setting wins.
# And libdbus, which Qt's xcb platform uses, keeps memory on purpose.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0
  export LSAN_OPTIONS=suppressions=$(dirname "$0")/lsan.supp
fi

case "$wm" in
  none) ;;
  openbox)
    openbox >"$scratch/wm.log" 2>&1 &
    pids+=($!)
    # The window manager is up once it names itself on the root window.
    up=
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
        up=1 && break
      sleep 0.1
    done
    [ -n "$up" ] || { echo "openbox did not start"; cat "$scratch/wm.log"; exit 1; }
    ;;
  *) echo "unknown window manager: $wm"; exit 2 ;;
esac

"$@"
