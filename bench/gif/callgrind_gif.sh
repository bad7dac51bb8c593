#!/usr/bin/env bash
# Instruction counts of each side of bench_gif on each case under callgrind: deterministic,
# unlike wall time on a shared machine. Prints instructions, and instructions per pixel.
#   callgrind_gif.sh BENCH_GIF [SIDE...]
set -euo pipefail
bench=$1
shift
sides=("$@")
[ ${#sides[@]} -eq 0 ] && sides=(ours-decode giflib-decode stb-decode ours-encode giflib-encode ours-rgb-encode)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$bench" --list >"$out/cases"
printf '%-30s' case
for side in "${sides[@]}"; do printf ' %22s' "$side"; done
printf '\n'
while IFS=$'\t' read -r index pixels name; do
    printf '%-30s' "$name"
    for side in "${sides[@]}"; do
        valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out/cg" \
            "$bench" --only="$side" --case="$index" >/dev/null 2>&1
        ir=$(sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$out/cg")
        awk -v ir="$ir" -v px="$pixels" 'BEGIN { printf " %12d %5.1f/px", ir, ir / px }'
    done
    printf '\n'
done <"$out/cases"
