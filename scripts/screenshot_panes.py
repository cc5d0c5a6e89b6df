"""Fills each pane of the running program with sample inputs over the accessibility bus,
presses its 计算 button and saves the window as a PNG. Every control is found by its accessible
name, so the shots follow the window whatever its fonts and positions.
Usage: screenshot_panes.py BELVIK PANE_TABLE OUT_DIR"""
import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'tests', 'e2e'))
from atspi_window import Window, application, panes, wait  # noqa: E402

BELVIK, PANE_TABLE, OUT = sys.argv[1:4]

# File name, menu command and the box texts in the order the calculator reads them.
SHOTS = [
    ('periodic-investment', 'mnuDT', ['500', '5', '8', '10']),
    ('pension-need', 'mnuYLJ', ['3', '3000', '8', '35', '60']),
    ('present-value', 'mnuPVIF', ['4', '10000', '10']),
    ('lump-sum', 'munFVIF', ['10000', '6', '5']),
]


def main():
    wait('accessibility registry', lambda: pyatspi.Registry.getDesktop(0) or None)
    program = subprocess.Popen([BELVIK])
    try:
        window = Window(wait('belvik on the accessibility bus', application, 20),
                        panes(PANE_TABLE))
        x_window = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name',
                                   '^Fenmoor beta '], capture_output=True, check=True,
                                  text=True).stdout.split()[0]
        for name, menu, texts in SHOTS:
            _, before = window.run(menu, texts)
            wait('result of ' + name, lambda: window.result() != before or None, 5)
            path = os.path.join(OUT, name + '.png')
            # The real ImageMagick; a `convert` earlier on PATH may be something else.
            subprocess.run(['/usr/bin/import', '-window', x_window, path], check=True)
            print('saved ' + path)
    finally:
        program.terminate()
        program.wait(10)


if __name__ == '__main__':
    main()
