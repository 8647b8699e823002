#!/usr/bin/env bash
# Prints the start-up figures of eurolire.exe under Wine against a bare
# Win32 window with the same five controls (the floor), and against that
# window with eurolire.exe's manifest (visual styles), in a fresh Wine
# prefix on a private Xvfb display (scripts/wine-env): medians over RUNS
# interleaved runs (default 21) of CreateProcess to window shown and to
# first idle, and the sizes of eurolire.exe and eurolire.com. Build first
# with scripts/windows.
# Usage: bench/win32/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-windows}
runs=${2:-21}
for file in win32/eurolire.exe bench/win32/startup_bench_windows.exe \
  bench/win32/bare_window_windows.exe \
  bench/win32/bare_window_styled_windows.exe; do
  [ -f "$build/$file" ] || { echo "build first: $build/$file"; exit 1; }
done
root=$(cd "$build" && pwd)
source scripts/wine-env
# One run first, so that Wine's own start-up (its desktop, its services) is
# not counted.
programs=("$root/win32/eurolire.exe" "$root/bench/win32/bare_window_windows.exe"
  "$root/bench/win32/bare_window_styled_windows.exe")
wine "$root/bench/win32/startup_bench_windows.exe" 1 "${programs[@]}" \
  >/dev/null
wine "$root/bench/win32/startup_bench_windows.exe" "$runs" "${programs[@]}" |
  tee "$root/startup.txt"
# eurolire's window shown, in times the floor's and the styled floor's.
LC_ALL=C awk '
  { for (i = 1; i < NF; ++i) if ($i == "shown") shown[$1] = $(i + 1) }
  END {
    program = "'"$root"'/win32/eurolire.exe:"
    bare = "'"$root"'/bench/win32/bare_window_windows.exe:"
    styled = "'"$root"'/bench/win32/bare_window_styled_windows.exe:"
    if (!shown[program] || !shown[bare] || !shown[styled]) {
      print "a window did not come up: no ratio"; exit 1
    }
    printf "eurolire.exe shown: %.2f times the bare window, %.2f times the styled one\n",
      shown[program] / shown[bare], shown[program] / shown[styled]
  }' "$root/startup.txt"
echo "eurolire.exe: $(stat -c %s "$root/win32/eurolire.exe") bytes"
echo "eurolire.com: $(stat -c %s "$root/win32/eurolire.com") bytes"
