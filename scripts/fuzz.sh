#!/usr/bin/env bash
# Builds the libFuzzer targets and runs every one of them at once for SECONDS (default 60), or
# until it has run RUNS inputs when that comes first, starting from the committed seeds. Prints executions and findings per target; exits non-zero
# when any target found a crash, a sanitizer report, a leak or an input slower than 1 s.
# Work corpora and findings stay under build/fuzz/ (findings/<target>/ holds the inputs).
# libFuzzer's timeout counts wall time: on a machine busy with other work a niced run can be
# starved past it, so BELVIK_FUZZ_TIMEOUT (seconds, default 1) can widen it for long runs
# and scripts/fuzz-replay.sh then times every kept input unniced against 1 s.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
runs=${2:--1}
timeout=${BELVIK_FUZZ_TIMEOUT:-1}
source scripts/packages.sh
belvik_install_missing "${belvik_build_packages[@]}" clang libclang-rt-14-dev

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build/fuzz/run
targets=(number_text investment pension present_value lump_sum)
pids=()
for t in "${targets[@]}"; do
  mkdir -p "$out/corpus/$t" "$out/findings/$t"
  # The work corpus grows; the committed seeds under fuzz/corpus are only read.
  nice -n 10 "build/fuzz/fuzz/fuzz_$t" "$out/corpus/$t" "fuzz/corpus/$t" \
    -max_total_time="$seconds" -runs="$runs" -timeout="$timeout" -max_len=4096 -print_final_stats=1 \
    -report_slow_units=1 -artifact_prefix="$out/findings/$t/" >"$out/$t.log" 2>&1 &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid" || true; done

status=0
printf '%-15s %15s %10s %9s %6s\n' target executions 'exec/s' findings slow
for t in "${targets[@]}"; do
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$t.log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/$t.log" | tail -1)
  # Crashes, sanitizer reports, leaks, timeouts and memory blow-ups stop a target; inputs
  # that merely took over 1 s of wall time are kept as slow-unit-* for the replay.
  findings=$(find "$out/findings/$t" -type f ! -name 'slow-unit-*' | wc -l)
  slow=$(find "$out/findings/$t" -type f -name 'slow-unit-*' | wc -l)
  printf '%-15s %15s %10s %9s %6s\n' "$t" "${executed:-?}" "${rate:-?}" "$findings" "$slow"
  if [ "$findings" -ne 0 ] || [ -z "$executed" ]; then
    status=1
    echo "  see $out/$t.log and $out/findings/$t/" >&2
  fi
done
exit $status
