#!/usr/bin/env bash
# Benchmark of one whole run, with the answers redirected from a file and no
# terminal (so the closing pause ends at once).
#
#   bench/whole_run.sh [RUNS] [PRESET]
#
# PRESET is release (the static build, the default) or package (the dynamic
# build of the .deb). Prints the median wall time per run, the instructions of
# one whole run (callgrind, the whole process), its peak resident memory and
# its write calls to standard output; fails when a run of the static build
# costs more than the targets below, or any run writes more often than its
# flush points.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${1:-500}
PRESET=${2:-release}
MAX_INSTRUCTIONS=200000
MAX_PEAK_KIB=1536
ANSWERS=tests/golden/at_both.in
PROGRAM=build/$PRESET/beam-reactions

cmake --preset "$PRESET" >/dev/null
cmake --build --preset "$PRESET" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Wall time: every run on its own, the median of them all.
for ((i = 0; i < RUNS; i++)); do
    start=$(date +%s%N)
    setsid "$PROGRAM" <"$ANSWERS" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
done | sort -n >"$work/times"
median_us=$(sed -n "$(((RUNS + 1) / 2))p" "$work/times")

setsid valgrind --tool=callgrind --callgrind-out-file="$work/callgrind" "$PROGRAM" \
    <"$ANSWERS" >/dev/null 2>"$work/valgrind"
instructions=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/valgrind")

peak_kib=$(setsid /usr/bin/time -f %M "$PROGRAM" <"$ANSWERS" 2>&1 >/dev/null | tail -1)

setsid strace -e trace=write -o "$work/strace" "$PROGRAM" <"$ANSWERS" >"$work/output"
writes=$(grep -c '^write(1,' "$work/strace")
# Flush points: the screen with the first prompt, five more prompts, and one
# per line written after the last prompt (the report and the closing message).
screen_lines=17
flush_points=$((1 + 5 + $(tr -cd '\n' <"$work/output" | wc -c) - screen_lines))

targets=("" "")
[[ $PRESET == release ]] && targets=(" (at most $MAX_INSTRUCTIONS)" " (at most $MAX_PEAK_KIB)")
printf '%-28s %s\n' "runs" "$RUNS" \
    "median wall time per run" "${median_us} us" \
    "instructions per run" "$instructions${targets[0]}" \
    "peak resident memory" "$peak_kib KiB${targets[1]}" \
    "write calls to stdout" "$writes (flush points: $flush_points)"

status=0
if [[ $PRESET == release ]]; then
    ((instructions <= MAX_INSTRUCTIONS)) || { echo "too many instructions"; status=1; }
    ((peak_kib <= MAX_PEAK_KIB)) || { echo "too much memory"; status=1; }
fi
((writes <= flush_points)) || { echo "more writes than flush points"; status=1; }
exit $status
