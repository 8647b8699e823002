#!/usr/bin/env bash
# Times the command line's filter: a column of LINES lire amounts (default a
# million, written as an Italian locale writes them, from 1 to some
# billions, one in a hundred not a number) piped through `eurolire --lire`,
# RUNS times (default 7); prints each run and the median, wall clock.
# Usage: bench/filter_run.sh [BUILD_DIR] [LINES] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
lines=${2:-1000000}
runs=${3:-7}
program=$build/bin/eurolire
[ -x "$program" ] || { echo "build first: $program"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The command line reads its separators from the C library's locale.
export LOCPATH=$(cd "$build" && pwd)/locale
scripts/compile-locales "$LOCPATH"

# Deterministic amounts of 1 to 10 digits, grouped with "." by thousands.
awk -v n="$lines" 'BEGIN {
  x = 12345
  for (i = 1; i <= n; i++) {
    x = (x * 1103515245 + 12345) % 2147483648
    if (i % 100 == 0) { print "12a"; continue }
    s = sprintf("%d", x % (10 ^ (1 + x % 10)) + 1)
    g = ""
    while (length(s) > 3) { g = "." substr(s, length(s) - 2) g; s = substr(s, 1, length(s) - 3) }
    print s g
  }
}' >"$scratch/column"
echo "input: $lines lines, $(wc -c <"$scratch/column") bytes"

times=()
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  LANG=it_IT.UTF-8 LC_ALL= "$program" --lire <"$scratch/column" \
    >"$scratch/out" 2>"$scratch/err" || true
  end=$(date +%s%N)
  ms=$(((end - start) / 1000000))
  times+=("$ms")
  echo "run $run: $ms ms"
done
[ "$(wc -l <"$scratch/out")" = "$lines" ] || { echo "output lines differ"; exit 1; }
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "median: $median ms for $lines lines ($(wc -l <"$scratch/err") not numbers)"
