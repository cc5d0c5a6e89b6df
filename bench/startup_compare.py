"""Start-up to first shown window and peak memory: the program's start-up probe against the
empty QMainWindow probe and the one-label probes (Latin text, Chinese text), alternating, RUNS
times each (default 11); prints the medians and the ratios to the empty window and to the
Chinese label, the least a Chinese interface can cost.
Usage: startup_compare.py BUILD_BENCH_DIR [RUNS]"""
import os
import statistics
import subprocess
import sys
import time

bench_dir = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
probes = {'empty QMainWindow': 'startup_empty', 'one Latin label': 'startup_latin',
          'one Chinese label': 'startup_label',
          'belvik window': 'startup_belvik'}
results = {name: {'ms': [], 'kb': []} for name in probes}

for _ in range(runs):
    for name, program in probes.items():
        env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get('QT_QPA_PLATFORM', 'offscreen'))
        env['BELVIK_LAUNCH_NS'] = str(time.monotonic_ns())
        done = subprocess.run(['/usr/bin/time', '-f', 'maxrss_kb %M', os.path.join(bench_dir, program)],
                              env=env, capture_output=True, text=True, check=True)
        output = done.stdout + done.stderr
        for line in output.splitlines():
            if line.startswith('first_expose_ms '):
                results[name]['ms'].append(float(line.split()[1]))
            elif line.startswith('maxrss_kb '):
                results[name]['kb'].append(int(line.split()[1]))

medians = {name: (statistics.median(r['ms']), statistics.median(r['kb']) / 1024)
           for name, r in results.items()}
empty, chinese = medians['empty QMainWindow'], medians['one Chinese label']
print('%-18s %22s %16s %18s %18s' % ('', 'start-up to shown (ms)', 'peak RSS (MiB)',
                                      '÷ empty (t, mem)', '÷ Chinese label'))
for name, (ms, mib) in medians.items():
    print('%-18s %22.1f %16.1f %9.2f %8.2f %9.2f %8.2f' % (
        name, ms, mib, ms / empty[0], mib / empty[1], ms / chinese[0], mib / chinese[1]))
print('(medians of %d alternating runs, platform %s)' % (runs, os.environ.get('QT_QPA_PLATFORM', 'offscreen')))
