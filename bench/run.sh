#!/usr/bin/env bash
# Measures process start to the idle main window shown, for the program (the overview in its
# module), for the program with the overview and Qt Charts linked in, and for a minimal Qt window,
# runs interleaved so that all see the same machine load. Prints medians, the ratios against the
# minimal window and the peak resident memory of each; then the knowledge overview's first opening
# both ways; then the other benchmarks.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-30}
prog="$(cd "$build" && pwd)"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# The start is measured as a user starts the program: from a program folder that holds the program,
# its bank, pictures, help and modules, and nothing of a learner's. The folder and the figures go to
# a temporary directory of this run, so that runs of several checkouts at once keep apart; the
# benchmarks that read the bank run in the build's program directory.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/semaforix"
mkdir "$folder"
for f in otazky.DB otazky.MB grafika obrazky Help prehled.so; do
    if [ -e "$prog/semaforix/$f" ]; then ln -s "$prog/semaforix/$f" "$folder/$f"; fi
done
cp "$prog/bench/bench_start_semaforix" "$prog/bench/bench_start_grafy" "$folder/"
cd "$folder"

measure() { # prints "microseconds kilobytes"
    local start end rss
    start=$(date +%s%N)
    /usr/bin/time -o "$work/rss.txt" -f '%M' "$@" >/dev/null 2>&1
    rss=$(tail -n1 "$work/rss.txt")
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

: > "$work/s.txt"; : > "$work/g.txt"; : > "$work/m.txt"
for _ in $(seq "$runs"); do
    measure "$folder/bench_start_semaforix" >> "$work/s.txt"
    measure "$folder/bench_start_grafy" >> "$work/g.txt"
    measure "$prog/bench/bench_start_minimal" >> "$work/m.txt"
done
ts=$(cut -d' ' -f1 "$work/s.txt" | median); tg=$(cut -d' ' -f1 "$work/g.txt" | median)
tm=$(cut -d' ' -f1 "$work/m.txt" | median)
ms=$(cut -d' ' -f2 "$work/s.txt" | median); mg=$(cut -d' ' -f2 "$work/g.txt" | median)
mm=$(cut -d' ' -f2 "$work/m.txt" | median)
ratio() { awk "BEGIN {printf \"%.2f\", $1 / $2}"; }
echo "runs: $runs each, platform: $QT_QPA_PLATFORM"
echo "start to window shown, median: semaforix ${ts} us (ratio $(ratio "$ts" "$tm")), with Qt Charts linked in ${tg} us" \
     "(ratio $(ratio "$tg" "$tm")), minimal window ${tm} us; goal: ratio 1.25 at most"
echo "peak resident memory, median: semaforix ${ms} kB, with Qt Charts linked in ${mg} kB, minimal window ${mm} kB"

# The knowledge overview opened the first time in a run, from the menu, by a new learner: its
# module loaded (or linked in), the window built, shown and painted; a fresh program each time.
: > "$work/p.txt"; : > "$work/pg.txt"
for _ in $(seq "$runs"); do
    "$folder/bench_start_semaforix" --prehled 2>/dev/null >> "$work/p.txt" ||
        { echo "the overview did not open" >&2; exit 1; }
    "$folder/bench_start_grafy" --prehled 2>/dev/null >> "$work/pg.txt" ||
        { echo "the overview did not open" >&2; exit 1; }
done
echo "the overview's first opening from the menu (window painted), median: module loaded $(median < "$work/p.txt") ms," \
     "linked in $(median < "$work/pg.txt") ms"

cd "$prog/semaforix"

echo
"$prog/bench/bench_zobrazeni" 2>/dev/null

# Choosing a whole random run's questions against showing one question, in the same process.
echo
"$prog/bench/bench_dalsi_otazka" "${CHOICE_RUNS:-101}" 2>/dev/null

# Creating the points-test window against its floor.
echo
"$prog/bench/bench_test_na_body"

# Composing a mock exam against one pass over the bank's index and the points test's composition.
echo
"$prog/bench/bench_zkouska"

# Crossroads in motion: a frame against the still scene, a scene's frames against its playing time.
echo
RUNS=${CROSSROAD_RUNS:-5} "$prog/bench/bench_krizovatky"

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
