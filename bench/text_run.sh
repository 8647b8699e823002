#!/usr/bin/env bash
# Times `eurolire --testo` on two texts of SIZE bytes (default 10 MB): a
# contract with one lire or euro amount every 200 bytes, and prose with
# numbers but no amounts; RUNS times each (default 5), printing each run,
# the median, and the rate in MB/s, wall clock.
# Usage: bench/text_run.sh [PROGRAM] [SIZE] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/bin/eurolire}
size=${2:-10000000}
runs=${3:-5}
[ -x "$program" ] || { echo "build first: $program"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The command line reads its separators from the C library's locale.
export LOCPATH=$scratch/locale
scripts/compile-locales "$LOCPATH"

# Sentences of about 80 bytes, written until the text has `size` bytes;
# in the contract every third one carries an amount or two, one every 190
# bytes or so.
awk -v size="$size" 'BEGIN {
  split("Il conduttore si impegna a versare il canone entro il giorno 5 di ogni mese.|" \
        "Le spese condominiali sono ripartite secondo le tabelle del 1997, art. 12.|" \
        "La presente scrittura annulla ogni accordo precedente tra le parti, n. 3.|" \
        "In caso di ritardo si applicano gli interessi legali al tasso del 2,5 per cento.", prose, "|")
  split("Il canone mensile è fissato in lire 850.000, da versare anticipatamente.|" \
        "La sanzione va da L. 587.500 a L. 2.350.000 secondo la gravità.|" \
        "Il deposito cauzionale ammonta a euro 1.250,00 (milleduecentocinquanta/00).|" \
        "Le spese di registrazione, 150 mila lire, sono a carico del conduttore.", amounts, "|")
  for (i = 0; written < size; i++) {
    line = prose[i % 4 + 1] " " prose[(i + 2) % 4 + 1] " " \
           amounts[int(i / 4) % 4 + 1] "\n"
    printf "%s", line > "'"$scratch"'/contract"
    written += length(line)
  }
  written = 0
  for (i = 0; written < size; i++) {
    line = prose[i % 4 + 1] " " prose[(i + 1) % 4 + 1] "\n"
    printf "%s", line > "'"$scratch"'/prose"
    written += length(line)
  }
}'

for text in contract prose; do
  bytes=$(wc -c <"$scratch/$text")
  times=()
  for run in $(seq "$runs"); do
    start=$(date +%s%N)
    LANG=it_IT.UTF-8 LC_ALL= "$program" --testo "$scratch/$text" >"$scratch/out"
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
  inserted=$( (grep -o '(€ [0-9.,]*)\|(L\. [0-9.,]*)' "$scratch/out" || true) |
    wc -l)
  echo "$text: $bytes bytes, $inserted equivalents written; runs ${times[*]} ms;" \
    "median $median ms, $((bytes / 1000 / (median > 0 ? median : 1))) MB/s"
done
