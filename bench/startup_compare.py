"""Start-up time and peak memory of the program against plain Qt windows: an empty QMainWindow,
one Latin label and one Chinese label, the least a Chinese interface can cost. Each round runs
every probe once, in turn, so background load falls on all of them alike; prints the medians
and the program's ratios to the one-Chinese-label window.

By default the windows open on one Xvfb (1024x768, 96 DPI) with no window manager, started here
and shared by every run; start-up is fork to the window's first expose, which X sends once the
window is mapped, and peak memory is the peak resident set until then (VmHWM). The peak over the
whole run, the first paint included (GNU time), is printed beside it. --offscreen uses Qt's
offscreen platform instead.
Usage: startup_compare.py BUILD_BENCH_DIR [ROUNDS] [--offscreen]"""
import os
import statistics
import subprocess
import sys
import time

args = [a for a in sys.argv[1:] if not a.startswith('--')]
bench_dir = args[0]
rounds = int(args[1]) if len(args) > 1 else 15
offscreen = '--offscreen' in sys.argv
probes = {'empty QMainWindow': 'startup_empty', 'one Latin label': 'startup_latin',
          'one Chinese label': 'startup_label', 'belvik window': 'startup_belvik'}
results = {name: {'ms': [], 'kb': [], 'painted_kb': []} for name in probes}


def start_display():
    """One Xvfb for every run; returns the process and the environment that shows on it."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(['Xvfb', '-displayfd', str(write_end), '-screen', '0',
                               '1024x768x24', '-dpi', '96', '-nolisten', 'tcp'],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        display = numbers.readline().strip()
    env = dict(os.environ, DISPLAY=':' + display, QT_QPA_PLATFORM='xcb')
    env.pop('WAYLAND_DISPLAY', None)
    return server, env


def run(program, env):
    env = dict(env, BELVIK_LAUNCH_NS=str(time.monotonic_ns()))
    done = subprocess.run(['/usr/bin/time', '-f', 'maxrss_kb %M', program], env=env,
                          capture_output=True, text=True, check=True)
    found = {}
    for line in (done.stdout + done.stderr).splitlines():
        words = line.split()
        if len(words) >= 2:
            found[words[0].rstrip(':')] = words[1]
    return float(found['first_expose_ms']), int(found['VmHWM']), int(found['maxrss_kb'])


server = None
if offscreen:
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen')
else:
    server, env = start_display()
load_before = os.getloadavg()[0]
try:
    for _ in range(rounds):
        for name, program in probes.items():
            ms, kb, painted_kb = run(os.path.join(bench_dir, program), env)
            results[name]['ms'].append(ms)
            results[name]['kb'].append(kb)
            results[name]['painted_kb'].append(painted_kb)
finally:
    if server:
        server.terminate()
        server.wait()

medians = {name: [statistics.median(r[k]) for k in ('ms', 'kb', 'painted_kb')]
           for name, r in results.items()}
floor = medians['one Chinese label']
print('%-18s %14s %16s %16s %26s' % ('', 'start-up (ms)', 'peak RSS (MiB)', 'painted (MiB)',
                                     '÷ Chinese label (t, mem, painted)'))
for name, (ms, kb, painted_kb) in medians.items():
    print('%-18s %14.1f %16.1f %16.1f %9.2f %8.2f %8.2f' % (
        name, ms, kb / 1024, painted_kb / 1024, ms / floor[0], kb / floor[1],
        painted_kb / floor[2]))
program = medians['belvik window']
print('belvik window ÷ one Chinese label: time %.2f, peak memory %.2f '
      '(%.2f with the first paint)' % (program[0] / floor[0], program[1] / floor[1],
                                       program[2] / floor[2]))
print('(medians of %d interleaved rounds, %s; load average %.1f before, %.1f after)' % (
    rounds, 'offscreen platform' if offscreen else 'one Xvfb, no window manager, fork to mapped',
    load_before, os.getloadavg()[0]))
