#!/usr/bin/env bash
# Builds the libFuzzer targets and runs them from the committed seeds, in one of two ways:
#   scripts/fuzz.sh [SECONDS [RUNS]]   every target at once for SECONDS (default 60), or until it
#                                      has run RUNS inputs when that comes first;
#   scripts/fuzz.sh --runs RUNS [JOBS [TARGET...]]
#                                      every target (or those named) until it has run RUNS
#                                      inputs, JOBS (default 2) at a time so that each has a
#                                      core of its own: the nightly way to a count of
#                                      executions per target.
# Prints per target the executions, exec/s, libFuzzer's final coverage (cov: edges, ft:
# features), wall time and findings; exits non-zero when any target found a crash, a sanitizer
# report, a leak or a timeout. Work corpora and findings stay under build/fuzz/run/
# (findings/<target>/ holds the inputs, <target>.log the fuzzer's output).
# libFuzzer's timeout counts wall time: on a machine busy with other work a niced run can be
# starved past it, so BELVIK_FUZZ_TIMEOUT (seconds, default 1) can widen it for long runs
# and scripts/fuzz-replay.sh then times every kept input unniced against 1 s.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --runs ]; then
  runs=${2:?--runs needs a count of executions per target}
  jobs=${3:-2}
  seconds=0  # no time limit
  shift $(($# < 3 ? $# : 3))
else
  seconds=${1:-60}
  runs=${2:--1}
  jobs=0  # all at once
fi
timeout=${BELVIK_FUZZ_TIMEOUT:-1}
source scripts/packages.sh
belvik_install_missing "${belvik_build_packages[@]}" clang libclang-rt-14-dev

# The schedule targets first: they take longest, so with JOBS at a time the quick ones fill in.
targets=(pension lump_sum investment present_value number_text)
if [ "$jobs" -gt 0 ] && [ $# -gt 0 ]; then targets=("$@"); fi

cmake --preset fuzz >/dev/null
# Only the targets that run: a target still fuzzing from another campaign keeps its binary.
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"

out=build/fuzz/run

# Runs one target to its end and notes its wall time in seconds beside its log.
fuzz_one() {
  local t=$1 start
  start=$(date +%s)
  mkdir -p "$out/corpus/$t" "$out/findings/$t"
  # The work corpus grows; the committed seeds under fuzz/corpus are only read.
  nice -n 10 "build/fuzz/fuzz/fuzz_$t" "$out/corpus/$t" "fuzz/corpus/$t" \
    -max_total_time="$seconds" -runs="$runs" -timeout="$timeout" -max_len=4096 -print_final_stats=1 \
    -report_slow_units=1 -artifact_prefix="$out/findings/$t/" >"$out/$t.log" 2>&1 || true
  echo $(($(date +%s) - start)) >"$out/$t.seconds"
}

campaign_start=$(date +%s)
running=0
for t in "${targets[@]}"; do
  if [ "$jobs" -gt 0 ] && [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
  fuzz_one "$t" &
  running=$((running + 1))
done
wait

status=0
printf '%-15s %12s %8s %6s %7s %9s %9s %5s\n' \
  target executions 'exec/s' cov ft 'wall (s)' findings slow
for t in "${targets[@]}"; do
  log="$out/$t.log"
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  # Crashes, sanitizer reports, leaks, timeouts and memory blow-ups stop a target; inputs
  # that merely took over 1 s of wall time are kept as slow-unit-* for the replay.
  findings=$(find "$out/findings/$t" -type f ! -name 'slow-unit-*' | wc -l)
  slow=$(find "$out/findings/$t" -type f -name 'slow-unit-*' | wc -l)
  printf '%-15s %12s %8s %6s %7s %9s %9s %5s\n' "$t" "${executed:-?}" "${rate:-?}" \
    "${cov:-?}" "${ft:-?}" "$(cat "$out/$t.seconds")" "$findings" "$slow"
  if [ "$findings" -ne 0 ] || [ -z "$executed" ]; then
    status=1
    echo "  see $log and $out/findings/$t/" >&2
  fi
done
echo "wall time: $(($(date +%s) - campaign_start)) s"
exit $status
