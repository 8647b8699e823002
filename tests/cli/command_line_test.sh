#!/usr/bin/env bash
# The real program on the command line with no display at all: help and
# version, one amount, a column of amounts on standard input, the messages
# and exit status of what does not convert, and what it says when it is
# asked for the window where none can be shown. The locales it reads are in
# LOCPATH (scripts/compile-locales).
# Usage: command_line_test.sh EUROLIRE VERSION [WINDOW_PROGRAM]
set -euo pipefail
program=$1 version=$2 window=${3:-}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_NUMERIC LANGUAGE
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect NAME STATUS STDOUT COMMAND...: stdout exact, status exact.
expect() {
  local name=$1 status=$2 wanted=$3 got code=0
  shift 3
  got=$("$@" 2>"$scratch/err") || code=$?
  [ "$code" = "$status" ] || fail "$name: status $code, not $status"
  [ "$got" = "$wanted" ] || fail "$name: printed '$got', not '$wanted'"
}

expect help 0 "$(LANG=it_IT.UTF-8 "$program" --help)" \
  env LANG=it_IT.UTF-8 "$program" -h
grep -q '^Uso: eurolire' <(LANG=it_IT.UTF-8 "$program" --help) ||
  fail "help: no usage line"
grep -q 'avvia eurolire-window, la finestra' <("$program" --help) ||
  fail "help: the window program not named"
expect version 0 "eurolire $version" "$program" --version
expect euro-it 0 23.235,24 env LANG=it_IT.UTF-8 "$program" --euro 12
expect euro-en 0 23,235.24 env LANG=en_GB.UTF-8 "$program" --euro 12
expect lc-numeric 0 23.235,24 \
  env LANG=en_GB.UTF-8 LC_NUMERIC=it_IT.UTF-8 "$program" --euro 12
expect lire 0 0,52 env LANG=it_IT.UTF-8 "$program" --lire 1000
expect lire-grouped 0 516,46 env LANG=it_IT.UTF-8 "$program" --lire 1.000.000
[ ! -s "$scratch/err" ] || fail "lire: wrote to standard error"
# A locale the system lacks: a common language's own separators, or else
# the C locale's, and the user told.
expect not-generated-it 0 0,52 \
  env LOCPATH=/nonexistent LANG=it_IT.UTF-8 "$program" --lire 1000
[ ! -s "$scratch/err" ] || fail "not-generated-it: wrote to standard error"
expect not-generated-ch 0 "23’235.24" \
  env LOCPATH=/nonexistent LANG=de_CH.UTF-8 "$program" --euro 12
expect no-locale 0 23235.24 env LANG=xx_XX.UTF-8 "$program" --euro 12
grep -q 'il locale xx_XX.UTF-8 non è installato' "$scratch/err" ||
  fail "no-locale: not told"

printf '1000\n12a\n1.936,27\n' >"$scratch/column"
expect filter 1 "$(printf '0,52\n\n1,00')" \
  env LANG=it_IT.UTF-8 "$program" --lire --  <"$scratch/column"
grep -q 'riga 2: "12a"' "$scratch/err" || fail "filter: line 2 not named"
[ "$(wc -l <"$scratch/err")" = 1 ] || fail "filter: not one message"

# Whole texts are read as they write numbers, whatever the locale; an
# amount beyond conversion leaves the text as it is, and status 1.
printf 'Da 60 a 72 lire turche; una lira a 7 corde; 700-800 euro; 1 milione 200 mila lire; di lire\n1.500 milioni; L. 241 del 1990; nel 1997 lire 5.000; L. 150.000.000 (lire centocinquantamilioni); euro 1.000,-\n' >"$scratch/text"
for lang in C it_IT.UTF-8 en_GB.UTF-8; do
  expect "testo-$lang" 0 "$(printf 'Da 60 a 72 lire turche; una lira a 7 corde; 700-800 euro (L. 1.355.389,00-1.549.016,00); 1 milione 200 mila lire (€ 619,75); di lire\n1.500 milioni (€ 774.685,35); L. 241 del 1990; nel 1997 lire 5.000 (€ 2,58); L. 150.000.000 (lire centocinquantamilioni) (€ 77.468,53); euro 1.000,- (L. 1.936.270,00)')" \
    env LANG=$lang "$program" --testo "$scratch/text"
done
printf 'euro 1%0305d e L. 1\n' 0 >"$scratch/overflow"
expect testo-overflow 1 "$(printf 'euro 1%0305d e L. 1 (€ 0,00)' 0)" \
  "$program" --testo "$scratch/overflow"

expect usage 2 "" env LANG=it_IT.UTF-8 "$program" --euro 1 --lire 2
[ -s "$scratch/err" ] || fail "usage: no message"

# Options the command line does not know, and the window asked for, with no
# display, or where the display named cannot be opened (the window program
# finds out, when there is one): said in Italian, never Qt's abort (status
# 134).
rows="\
unknown long option|2|opzione sconosciuta: --lira|$program --lira 5
after Qt's options|2|opzione sconosciuta: --conto|$program -style fusion --conto
the window|1|non c'è uno schermo|$program
with Qt's options|1|non c'è uno schermo|$program -style fusion
on X11 alone|1|non c'è uno schermo|QT_QPA_PLATFORM=xcb $program"
[ -z "$window" ] || rows+="
no X server there|1|non c'è uno schermo|DISPLAY=:5999 $program
nor with Qt's options|1|non c'è uno schermo|DISPLAY=:5999 $program -style fusion
no such platform|1|non c'è uno schermo|QT_QPA_PLATFORM=bogus $window"
while IFS='|' read -r name status said arguments; do
  # shellcheck disable=SC2086 # the arguments are words
  expect "$name" "$status" "" env $arguments
  grep -q "$said" "$scratch/err" || fail "$name: '$said' not said"
  ! grep -q 'plugin' "$scratch/err" || fail "$name: Qt's own errors shown"
done <<<"$rows"

exit $((failures > 0))
