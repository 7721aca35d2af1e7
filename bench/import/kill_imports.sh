#!/bin/sh
# Kills `vorna-dict import` with SIGKILL at random moments, ROUNDS times, and
# after each kill lets the next writer (`set`) in, then checks that the
# folder holds only qd.dat and qd.dat.bak and that each holds either none or
# all of the glossary's words. Prints one line per failed round and a count.
#   bench/import/kill_imports.sh [ROUNDS] [VORNA_DICT]
set -u
rounds=${1:-200}
program=${2:-build/bin/vorna-dict}
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
sample=$(cd "$(dirname "$0")/../../tests/data" && pwd)/sample-qd.dat
work=$(mktemp -d "${TMPDIR:-/tmp}/vorna-kill-imports-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
# 30,000 new words of letters only: a number's digits spelt as letters.
awk 'BEGIN { for (i = 0; i < 30000; i++) { w = "w" i; gsub(/0/, "a", w); gsub(/1/, "b", w);
     gsub(/2/, "c", w); gsub(/3/, "d", w); gsub(/4/, "e", w); gsub(/5/, "f", w);
     gsub(/6/, "g", w); gsub(/7/, "h", w); gsub(/8/, "i", w); gsub(/9/, "j", w);
     print w "\tслово\tzslovo" } }' > glossary.tsv
failed=0
round=0
while [ "$round" -lt "$rounds" ]; do
    round=$((round + 1))
    cp "$sample" qd.dat
    "$program" --dictionary qd.dat import glossary.tsv > /dev/null 2>&1 &
    child=$!
    sleep "0.$(awk -v seed="$round" 'BEGIN { srand(seed); printf "%03d", int(rand() * 250) }')"
    kill -9 "$child" 2> /dev/null
    wait "$child" 2> /dev/null
    if ! "$program" --dictionary qd.dat set zebra зебра > /dev/null 2> err.txt; then
        echo "round $round: the next writer failed: $(cat err.txt)"
        failed=$((failed + 1))
        continue
    fi
    names=$(ls | grep -v -e '^glossary.tsv$' -e '^err.txt$' | tr '\n' ' ')
    now=$(grep -c ',zslovo' qd.dat)
    backup=$(grep -c ',zslovo' qd.dat.bak)
    if [ "$names" != "qd.dat qd.dat.bak " ] || { [ "$now" != 0 ] && [ "$now" != 30000 ]; } ||
        { [ "$backup" != 0 ] && [ "$backup" != 30000 ]; } || ! grep -q '^zebra,' qd.dat; then
        echo "round $round: files: $names; imported words in qd.dat: $now, in qd.dat.bak: $backup"
        failed=$((failed + 1))
    fi
done
echo "$rounds rounds, $failed failed"
[ "$failed" -eq 0 ]
