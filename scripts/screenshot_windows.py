"""Shows each pane of belvik.exe under Wine with the Linux screenshots' sample inputs, filled and
calculated through window_driver by control IDs, and saves the window as
OUT_DIR/windows-<name><SUFFIX>.png. Run it inside scripts/wine-session.sh on a virtual display.
Usage: screenshot_windows.py WINDOW_DRIVER BELVIK OUT_DIR [SUFFIX]"""
import os
import subprocess
import sys
import time

from screenshot_samples import SHOTS

WINE = '/usr/lib/wine/wine64'


def main():
    driver, belvik, out = sys.argv[1:4]
    suffix = sys.argv[4] if len(sys.argv) > 4 else ''
    for name, menu, texts, _ in SHOTS:
        subprocess.run([WINE, driver, 'pose', 'Z:' + belvik, menu] + texts, check=True)
        window = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--limit', '1',
                                 '--name', '^Fenmoor beta'], capture_output=True, check=True,
                                text=True).stdout.split()[0]
        time.sleep(1)  # until the window has painted
        path = os.path.join(out, 'windows-%s%s.png' % (name, suffix))
        subprocess.run(['/usr/bin/import', '-window', window, path], check=True)
        print('saved ' + path)
        subprocess.run([WINE, 'taskkill', '/im', 'belvik.exe'], capture_output=True, check=True)


if __name__ == '__main__':
    main()
