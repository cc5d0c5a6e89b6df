"""Fills each pane of the running program with sample inputs over the accessibility bus,
presses its 计算 button and saves the window as a PNG, then its chart from the result box's
context menu; then the context menu itself, the 反推每月定投 window from a pension result and the
schedule it fills in, and a PDF export's progress dialog and first page.
Every control is found by its accessible name, so the shots follow the window whatever its
fonts and positions. Usage: screenshot_panes.py BELVIK PANE_TABLE OUT_DIR"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'tests', 'e2e'))
from atspi_window import Window, application, click, find, panes, wait  # noqa: E402
from screenshot_samples import SHOTS  # noqa: E402

BELVIK, PANE_TABLE, OUT = sys.argv[1:4]

CHARTS = {'periodic-investment': 'chart-investment', 'pension-need': 'chart-pension',
          'present-value': 'chart-present-value', 'lump-sum': 'chart-lump-sum'}


def x_window(name_pattern):
    return subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--limit', '1',
                           '--name', name_pattern], capture_output=True, check=True,
                          text=True).stdout.split()[0]


def save(target, name, crop=None):
    """Saves an X window, or the part `crop` (WxH+X+Y) of the screen, as OUT/name.png."""
    path = os.path.join(OUT, name + '.png')
    # The real ImageMagick; a `convert` earlier on PATH may be something else.
    args = ['/usr/bin/import', '-window', target] + (['-crop', crop, '+repage'] if crop else [])
    subprocess.run(args + [path], check=True)
    print('saved ' + path)


def save_over(main, name):
    """Saves the screen where the main window is, with whatever stands over it."""
    geometry = subprocess.run(['xdotool', 'getwindowgeometry', '--shell', main],
                              capture_output=True, check=True, text=True).stdout
    place = dict(line.split('=') for line in geometry.split())
    save('root', name, '%sx%s+%s+%s' % (place['WIDTH'], place['HEIGHT'], place['X'], place['Y']))


def chart_shot(window, name, point_x):
    window.context_command('显示图表…')
    chart = x_window(' — 图表$')
    subprocess.run(['xdotool', 'windowmove', '--sync', chart, '0', '0', 'mousemove', '--window',
                    chart, str(point_x), '250'], check=True)
    time.sleep(0.5)
    save(chart, name)
    subprocess.run(['xdotool', 'windowfocus', '--sync', chart, 'key', 'Escape'], check=True)


def menu_shot(window, main):
    """The result box's context menu over the window, as a user sees it after a right-click."""
    click(window.result_box(), 3)
    time.sleep(0.5)
    save_over(main, 'result-menu')
    subprocess.run(['xdotool', 'key', 'Escape'], check=True)


def goal_shots(window, main):
    """反推每月定投 from a pension result, with a return after retirement typed, then the
    periodic-investment pane it fills in, calculated."""
    window.run('mnuYLJ', ['3', '3000', '25', '35', '60'])
    time.sleep(0.5)
    window.context_command('反推每月定投…')
    goal = wait('反推每月定投', lambda: window.showing('dialog', '反推每月定投'), 5)
    find(goal, 'text', '退休后年收益率(%)').queryEditableText().setTextContents('4')
    time.sleep(0.5)
    save(x_window('^反推每月定投$'), 'goal-window')
    find(goal, 'push button', '填入定投计算').queryAction().doAction(0)
    panel = wait('定投计算', lambda: window.visible_panel('定投计算'))
    find(panel, 'push button', window.panes['mnuDT'][1]).queryAction().doAction(0)
    time.sleep(0.5)
    save(main, 'goal-filled-in')


def pdf_shots(window, main, folder):
    """The progress dialog of the longest schedule's export, and the first page of a realistic
    one. The progress is grabbed from the screen: a grab of the window alone shows it black."""
    window.run('mnuDT', ['300', '0', '0', '32767'])
    time.sleep(1)
    window.context_command('导出为 PDF…')
    window.save_as('导出为 PDF', os.path.join(folder, 'long.pdf'))
    wait('progress', lambda: window.showing('dialog', '导出为 PDF') or None, 10)
    time.sleep(0.3)
    save_over(main, 'pdf-progress')
    wait('long export', lambda: os.path.exists(os.path.join(folder, 'long.pdf')) or None, 60)
    window.run('mnuDT', ['300', '7', '10', '30'])
    time.sleep(0.5)
    page = os.path.join(folder, 'page.pdf')
    window.context_command('导出为 PDF…')
    window.save_as('导出为 PDF', page)
    wait('export', lambda: os.path.exists(page) or None, 10)
    subprocess.run(['pdftoppm', '-png', '-r', '80', '-f', '1', '-l', '1', '-singlefile', page,
                    os.path.join(OUT, 'pdf-page')], check=True)
    print('saved ' + os.path.join(OUT, 'pdf-page.png'))


def main():
    wait('accessibility registry', lambda: pyatspi.Registry.getDesktop(0) or None)
    program = subprocess.Popen([BELVIK])
    try:
        window = Window(wait('belvik on the accessibility bus', application, 20),
                        panes(PANE_TABLE))
        main_window = x_window('^Fenmoor beta ')
        for name, menu, texts, point_x in SHOTS:
            _, before = window.run(menu, texts)
            wait('result of ' + name, lambda: window.result() != before or None, 5)
            save(main_window, name)
            chart_shot(window, CHARTS[name], point_x)
        menu_shot(window, main_window)
        goal_shots(window, main_window)
        with tempfile.TemporaryDirectory() as folder:
            pdf_shots(window, main_window, folder)
    finally:
        program.terminate()
        program.wait(10)


if __name__ == '__main__':
    main()
