#!/usr/bin/env bash
# Runs every input that scripts/fuzz.sh kept (work corpus, seeds and slow units) once more,
# unniced, and prints the slowest per target. Non-zero when any input fails or takes 1 s.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/fuzz/run
status=0
printf '%-15s %8s %16s\n' target inputs 'slowest (ms)'
for t in number_text investment pension present_value lump_sum; do
  inputs=$(find "$out/corpus/$t" "fuzz/corpus/$t" "$out/findings/$t" -type f 2>/dev/null | sort)
  count=$(echo "$inputs" | grep -c . || true)
  log="$out/$t.replay.log"
  # Each input is a file argument, so libFuzzer runs it alone and reports its own time.
  if ! echo "$inputs" | xargs -r "build/fuzz/fuzz/fuzz_$t" -timeout=1 >"$log" 2>&1; then
    status=1
    echo "  $t: an input failed, see $log" >&2
  fi
  slowest=$(sed -n 's/^Executed .* in \([0-9]*\) ms$/\1/p' "$log" | sort -n | tail -1)
  printf '%-15s %8s %16s\n' "$t" "$count" "${slowest:-?}"
  if [ -z "$slowest" ] || [ "$slowest" -ge 1000 ]; then status=1; fi
done
exit $status
