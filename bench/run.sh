#!/usr/bin/env bash
# Measures process start to the idle main window shown, for the program and for a minimal Qt
# window, runs interleaved so that both see the same machine load. Prints medians, their ratio
# and the peak resident memory of each.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-30}
prog="$(cd "$build" && pwd)"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cd "$prog/semaforix"

measure() { # prints "microseconds kilobytes"
    local start end rss
    start=$(date +%s%N)
    /usr/bin/time -o /tmp/bench_rss.txt -f '%M' "$@" >/dev/null 2>&1
    rss=$(tail -n1 /tmp/bench_rss.txt)
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

: > /tmp/bench_s.txt; : > /tmp/bench_m.txt
for _ in $(seq "$runs"); do
    measure "$prog/bench/bench_start_semaforix" >> /tmp/bench_s.txt
    measure "$prog/bench/bench_start_minimal" >> /tmp/bench_m.txt
done
ts=$(cut -d' ' -f1 /tmp/bench_s.txt | median); tm=$(cut -d' ' -f1 /tmp/bench_m.txt | median)
ms=$(cut -d' ' -f2 /tmp/bench_s.txt | median); mm=$(cut -d' ' -f2 /tmp/bench_m.txt | median)
echo "runs: $runs each, platform: $QT_QPA_PLATFORM"
echo "start to window shown, median: semaforix ${ts} us, minimal window ${tm} us, ratio $(awk "BEGIN {printf \"%.2f\", $ts / $tm}")"
echo "peak resident memory, median: semaforix ${ms} kB, minimal window ${mm} kB"

echo
"$prog/bench/bench_zobrazeni" 2>/dev/null

# Choosing a whole random run's questions against showing one question, in the same process.
echo
"$prog/bench/bench_dalsi_otazka" "${CHOICE_RUNS:-101}" 2>/dev/null

# Creating the points-test window against its floor.
echo
"$prog/bench/bench_test_na_body"

# The data layer at scale: config.ini reading and the record tables, each against its floor.
echo
"$prog/bench/bench_ini"
echo
RUNS=${TABLE_RUNS:-11} "$prog/bench/bench_tabulky"

# The memory of answers at 1,000,000 answers against its floors.
echo
RUNS=${MEMORY_RUNS:-11} "$prog/bench/bench_pamet"

# The knowledge overview at 1,000,000 answers against its floors.
echo
RUNS=${OVERVIEW_RUNS:-11} "$prog/bench/bench_prehled"
