#!/bin/sh
# Instruction counts (callgrind) of the panel and of bare Qt for each operation and sheet, and
# their ratio. Unlike times, they hold still on a busy machine.
# Usage: bench/callgrind-ratios.sh path/to/bench_sidebar [benchmark filter]
set -eu
bench=${1:?usage: $0 path/to/bench_sidebar [filter]}
filter=${2:-.}
out=$(mktemp -d)
ORB_BENCH_ITERATIONS=${ORB_BENCH_ITERATIONS:-4} valgrind --tool=callgrind --dump-instr=no \
    --callgrind-out-file="$out/cg.%p" "$bench" --benchmark_filter="$filter" >"$out/bench.log" 2>"$out/valgrind.log"
# Every side of every iteration is one dump, named "<side> <operation> <sheet>".
awk '
    /^desc: Trigger: Client Request: / { sub(/^desc: Trigger: Client Request: /, ""); label = $0 }
    /^summary: / && label != "" { ir[label] += $2; n[label]++; label = "" }
    END {
        printf "%-26s %14s %14s %8s\n", "operation, sheet", "panel Ir", "bare Ir", "ratio"
        for (l in ir) if (l ~ /^panel /) {
            key = substr(l, 7); b = "bare " key
            if (b in ir) printf "%-26s %14.0f %14.0f %7.2fx\n", key, ir[l] / n[l], ir[b] / n[b], ir[l] / ir[b]
        }
    }' "$out"/cg.* | sort
rm -rf "$out"
