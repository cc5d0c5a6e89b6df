"""Each calculator's median time over its floor's, from engine_bench's JSON output
(--benchmark_repetitions with aggregates). Usage: floor_ratio.py ENGINE_JSON"""
import json
import sys

medians = {}
for b in json.load(open(sys.argv[1]))['benchmarks']:
    if b.get('aggregate_name') == 'median':
        name, years, rate = b['run_name'].split('/')
        medians[(name, int(years), int(rate))] = b['real_time']  # microseconds

print('%-14s %6s %5s %14s %12s %7s'
      % ('calculator', 'years', 'rate%', 'time (us)', 'floor (us)', 'ratio'))
for (name, years, rate), time in sorted(medians.items()):
    if name.endswith('Floor'):
        continue
    floor = medians[(name + 'Floor', years, rate)]
    print('%-14s %6d %5d %14.2f %12.2f %7.2f' % (name, years, rate, time, floor, time / floor))
