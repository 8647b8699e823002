#!/usr/bin/env bash
# The command line's start to exit: `eurolire --lire 1000` in an Italian
# locale, RUNS times (default 30), against a bare process (/bin/true) and the
# window program given the same arguments, which converts too but loads Qt;
# first the libraries each program maps, and whether one of them is Qt's.
# Usage: bench/command_line_run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-30}
for program in bin/eurolire bin/eurolire-window bench/command_line_bench; do
  [ -x "$build/$program" ] || { echo "build first: $build/$program"; exit 1; }
done
# The command line reads its separators from the C library's locale.
export LOCPATH=$(cd "$build" && pwd)/locale LANG=it_IT.UTF-8 LC_ALL=
scripts/compile-locales "$LOCPATH"

for program in eurolire eurolire-window; do
  libraries=$(ldd "$build/bin/$program" | awk '{print $1}')
  qt=$(grep -c '^libQt' <<<"$libraries" || true)
  echo "$program: $(wc -l <<<"$libraries") libraries mapped, $qt of them Qt's"
done
for command in /bin/true "$build/bin/eurolire --lire 1000" \
  "$build/bin/eurolire-window --lire 1000"; do
  # shellcheck disable=SC2086 # the command's words
  "$build/bench/command_line_bench" "$runs" $command
done
