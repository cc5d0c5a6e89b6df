"""Start-up of the program as a user meets it, against plain Qt windows: an empty QMainWindow,
one Latin label, one Chinese label (the least a Chinese interface can cost) and one window that
paints Chinese in both of the program's faces (the interface face and the result box's). Each
round runs every program once, in turn, so background load falls on all of them alike; prints
the medians, the program's time over the one-Chinese-label window's and its peak memory over
the two-face window's.

The windows open on one Xvfb (1280x1024, 96 DPI) with no window manager, started here and shared
by every run. startup_launch times each from the fork to the first MapNotify of its window and
reads its peak resident memory (VmHWM) one second after, the first paint included.
Usage: startup_compare.py BUILD_DIR [ROUNDS [PROGRAM]]: BUILD_DIR of the bench preset; PROGRAM,
another build of the program to measure against the same windows, defaults to its own."""
import os
import statistics
import subprocess
import sys

build = sys.argv[1]
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
bench = os.path.join(build, 'bench')
programs = {'empty QMainWindow': os.path.join(bench, 'startup_empty'),
            'one Latin label': os.path.join(bench, 'startup_latin'),
            'one Chinese label': os.path.join(bench, 'startup_label'),
            'both faces': os.path.join(bench, 'startup_two_faces'),
            'belvik': sys.argv[3] if len(sys.argv) > 3 else os.path.join(build, 'ui', 'belvik')}
results = {name: {'ms': [], 'kb': []} for name in programs}


def start_display():
    """One Xvfb for every run; returns the process and the environment that shows on it."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(['Xvfb', '-displayfd', str(write_end), '-screen', '0',
                               '1280x1024x24', '-dpi', '96', '-nolisten', 'tcp'],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        display = numbers.readline().strip()
    env = dict(os.environ, DISPLAY=':' + display, QT_QPA_PLATFORM='xcb')
    env.pop('WAYLAND_DISPLAY', None)
    return server, env


def launch(program, env):
    done = subprocess.run([os.path.join(bench, 'startup_launch'), program], env=env,
                          capture_output=True, text=True, check=True)
    found = dict(line.replace(':', '').split()[:2] for line in done.stdout.splitlines())
    return float(found['mapped_ms']), int(found['VmHWM'])


server, env = start_display()
load_before = os.getloadavg()[0]
try:
    for _ in range(rounds):
        for name, program in programs.items():
            ms, kb = launch(program, env)
            results[name]['ms'].append(ms)
            results[name]['kb'].append(kb)
finally:
    server.terminate()
    server.wait()

medians = {name: (statistics.median(r['ms']), statistics.median(r['kb']))
           for name, r in results.items()}
label, faces = medians['one Chinese label'], medians['both faces']
print('%-18s %14s %16s %14s %14s' % ('', 'to mapped (ms)', 'peak RSS (MiB)', '÷ label time',
                                     '÷ faces memory'))
for name, (ms, kb) in medians.items():
    print('%-18s %14.1f %16.1f %14.2f %14.2f' % (name, ms, kb / 1024, ms / label[0],
                                                 kb / faces[1]))
program = medians['belvik']
print('belvik: time %.2f× one Chinese label, peak memory %.2f× both faces' % (
    program[0] / label[0], program[1] / faces[1]))
print('(medians of %d interleaved rounds, one Xvfb 1280x1024 without a window manager, fork to '
      'first MapNotify, VmHWM 1 s after; load average %.1f before, %.1f after)' % (
          rounds, load_before, os.getloadavg()[0]))
