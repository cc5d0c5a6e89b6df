#!/usr/bin/env bash
# Instructions (callgrind) of one run of each long schedule and of its floor, less the power
# tables' one-time build, which a program pays once: the steady comparison while the machine is
# shared. Usage: bench/engine_instructions.sh ENGINE_BENCH
set -euo pipefail
bench=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# One iteration of the benchmark named $1, counted inside the function $2.
count() {
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect="$2" "$bench" \
    --benchmark_filter="^$1\$" --benchmark_min_time=0 >/dev/null 2>&1
  local total tables
  total=$(callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
  tables=$(callgrind_annotate --inclusive=yes --threshold=100 "$out" |
    awk '/BuildTables\(\)/ {gsub(",", "", $1); print $1}')
  echo $((total - ${tables:-0}))
}

row() {
  awk -v n="$1" -v a="$2" -v own="$3" -v floor="$4" \
    'BEGIN { printf "%-13s %-9s %14d %14d %6.2f\n", n, a, own, floor, own / floor }'
}

printf '%-13s %-9s %14s %14s %6s\n' calculator years/rate% instructions floor ratio
for name in Investment LumpSum Pension; do
  for args in 32767/0 32767/1 10000/7 7000/10; do
    own=$(count "$name/$args" '*anonymous namespace)::Calculate(*')
    floor=$(count "${name}Floor/$args" '*FloorLines*')
    row "$name" "$args" "$own" "$floor"
  done
done
for args in 1/0 40/1; do
  own=$(count "PresentValue/$args" '*anonymous namespace)::Calculate(*')
  floor=$(count "PresentValueFloor/$args" '*PresentValueFloor*')
  row PresentValue "$args" "$own" "$floor"
done
