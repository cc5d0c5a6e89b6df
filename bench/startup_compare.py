"""Start-up to first shown window and peak memory: the program's start-up probe against the
empty QMainWindow probe and the one-Chinese-label probe, alternating, RUNS times each (default
11); prints the medians and the ratios to the empty window.
Usage: startup_compare.py BUILD_BENCH_DIR [RUNS]"""
import os
import statistics
import subprocess
import sys
import time

bench_dir = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
probes = {'empty QMainWindow': 'startup_empty', 'one Chinese label': 'startup_label',
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

print('%-18s %22s %18s %16s' % ('', 'start-up to shown (ms)', 'peak RSS (MiB)', 'ratio (t, mem)'))
empty = None
for name, r in results.items():
    ms, mib = statistics.median(r['ms']), statistics.median(r['kb']) / 1024
    empty = empty or (ms, mib)
    print('%-18s %22.1f %18.1f %8.2f %7.2f' % (name, ms, mib, ms / empty[0], mib / empty[1]))
print('(medians of %d alternating runs, platform %s)' % (runs, os.environ.get('QT_QPA_PLATFORM', 'offscreen')))
