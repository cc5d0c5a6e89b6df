"""Shows each pane of belvik.exe under Wine with the Linux screenshots' sample inputs, filled and
calculated through window_driver by control IDs, and saves the window as
OUT_DIR/windows-<name><SUFFIX>.png; at 96 DPI also the result box's menu, the chart with the
pointer on a year, 反推每月定投 over the pension result and a printed page (played from its
metafile by PAGE_PICTURE). Run it inside scripts/wine-session.sh on a virtual display whose
background is black (Xvfb -br), so the menu's shot can be trimmed to what Wine draws.
Usage: screenshot_windows.py WINDOW_DRIVER BELVIK PAGE_PICTURE OUT_DIR [SUFFIX]"""
import os
import subprocess
import sys
import time

from screenshot_samples import SHOTS

WINE = '/usr/lib/wine/wine64'


def find(title):
    return subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--limit', '1',
                           '--name', title], capture_output=True, check=True,
                          text=True).stdout.split()[0]


def shoot(window, path, *trim):
    time.sleep(1)  # until the window has painted
    subprocess.run(['/usr/bin/import', '-window', window, *trim, path], check=True)
    print('saved ' + path)
    subprocess.run([WINE, 'taskkill', '/im', 'belvik.exe'], capture_output=True, check=True)


def main():
    driver, belvik, page_picture, out = sys.argv[1:5]
    suffix = sys.argv[5] if len(sys.argv) > 5 else ''
    for name, menu, texts, _ in SHOTS:
        subprocess.run([WINE, driver, 'pose', 'Z:' + belvik, menu] + texts, check=True)
        shoot(find('^Fenmoor beta'), os.path.join(out, 'windows-%s%s.png' % (name, suffix)))
    if suffix:
        return
    name, menu, texts, pointer = SHOTS[0]
    subprocess.run([WINE, driver, 'menu', 'Z:' + belvik, menu] + texts, check=True)
    find('^Fenmoor beta')
    shoot('root', os.path.join(out, 'windows-result-menu.png'), '-trim', '+repage')

    subprocess.run([WINE, driver, 'command', 'Z:' + belvik, '807', menu] + texts, check=True)
    chart = find(' — 图表$')
    height = int(subprocess.run(['xdotool', 'getwindowgeometry', '--shell', chart],
                                capture_output=True, check=True,
                                text=True).stdout.split('HEIGHT=')[1].split()[0])
    subprocess.run(['xdotool', 'mousemove', '--window', chart, str(pointer), str(height // 2)],
                   check=True)
    shoot(chart, os.path.join(out, 'windows-chart-%s.png' % name))

    name, menu, texts, _ = SHOTS[1]
    subprocess.run([WINE, driver, 'command', 'Z:' + belvik, '808', menu] + texts, check=True)
    shoot(find('^反推每月定投$'), os.path.join(out, 'windows-goal-window.png'))

    path = os.path.join(out, 'windows-printed-page.png')
    name, menu, texts, _ = SHOTS[0]
    subprocess.run([WINE, page_picture, 'Z:' + os.path.abspath(path), menu] + texts, check=True)
    print('saved ' + path)


if __name__ == '__main__':
    main()
