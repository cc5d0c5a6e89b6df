"""Start-up to first shown window and peak memory: the program's start-up probe against the
empty QMainWindow probe, alternating, RUNS times each (default 11); prints the medians and the
ratios. Usage: startup_compare.py BUILD_BENCH_DIR [RUNS]"""
import os
import statistics
import subprocess
import sys
import time

bench_dir = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
probes = {'empty QMainWindow': 'startup_empty', 'belvik window': 'startup_belvik'}
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

print('%-18s %22s %18s' % ('', 'start-up to shown (ms)', 'peak RSS (MiB)'))
medians = {}
for name, r in results.items():
    medians[name] = (statistics.median(r['ms']), statistics.median(r['kb']) / 1024)
    print('%-18s %22.1f %18.1f' % (name, *medians[name]))
empty, program = medians['empty QMainWindow'], medians['belvik window']
print('%-18s %22.2f %18.2f' % ('ratio', program[0] / empty[0], program[1] / empty[1]))
print('(medians of %d alternating runs, platform %s)' % (runs, os.environ.get('QT_QPA_PLATFORM', 'offscreen')))
