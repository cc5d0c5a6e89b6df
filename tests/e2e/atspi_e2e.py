"""End-to-end checks of the real window over AT-SPI: boxes filled, menu commands and buttons
pressed, typing with real key events, and the result box, the clipboard and message boxes read
back. The result box shows each calculator's text line by line; a copy of it gives that text
character for character, its CR LF line ends included. The result box's context menu is chosen
from by caption: its table on the clipboard, its CSV and PDF files and its chart window."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

from atspi_window import Window, application, click, panes, wait

BELVIK, PANE_TABLE = sys.argv[1], sys.argv[2]


PANES = panes(PANE_TABLE)


def investment_lines(years, contribution, monthly):
    return ''.join('第%d年投入%s元，每月投入%s\r\n' % (y, contribution, monthly)
                   for y in range(1, years + 1))


# Each case: the pane's menu command, its box texts in the calculator's order, and the result
# box's text afterwards, line ends as the calculator writes them.
CASES = [
    ('periodic investment, flat', 'mnuDT', ['300', '0', '10', '3'],
     '总投入本金10800元，本利合计13107.6元。\r\n' + investment_lines(3, 3600, 300)),
    ('periodic investment, growing', 'mnuDT', ['300', '7', '10', '5'],
     '总投入本金20702.6604元，本利合计27450.4915元。\r\n'
     '第1年投入3600元，每月投入300\r\n第2年投入3852元，每月投入321\r\n'
     '第3年投入4121.64元，每月投入343.47\r\n第4年投入4410.1548元，每月投入367.5129\r\n'
     '第5年投入4718.8656元，每月投入393.2388\r\n'),
    ('periodic investment, zero years', 'mnuDT', ['300', '0', '10', '0'],
     '总投入本金0元，本利合计0元。\r\n'),
    ('periodic investment, long schedule', 'mnuDT', ['1', '0', '0', '2000'],
     '总投入本金24000元，本利合计24000元。\r\n' + investment_lines(2000, 12, 1)),
    ('pension, five years to retirement', 'mnuYLJ', ['3', '2000', '3', '50', '55'],
     '总计需要养老金：88576.7099元。\r\n'
     '退休第1年需要生活费28657.2551元，平均每月2388.1046元。\r\n'
     '退休第2年需要生活费29516.9728元，平均每月2459.7477元。\r\n'
     '退休第3年需要生活费30402.482元，平均每月2533.5402元。\r\n'),
    ('pension, retired already', 'mnuYLJ', ['4', '1000', '2', '65', '60'],
     '总计需要养老金：20925.6066元。\r\n'
     '退休第1年需要生活费10257.6503元，平均每月854.8042元。\r\n'
     '退休第2年需要生活费10667.9563元，平均每月888.9964元。\r\n'),
    ('pension, no years', 'mnuYLJ', ['4', '1000', '0', '30', '60'], '总计需要养老金：元。\r\n'),
    ('present value, ten years', 'mnuPVIF', ['4', '10000', '10'], '6755.6417'),
    ('present value, below one', 'mnuPVIF', ['4', '1', '20'], '0.4564'),
    ('lump sum, whole numbers', 'munFVIF', ['10000', '10', '2'],
     '2年后本利合计：12100元。\r\n第1年累计收益1000，累计收益率10%，本利和11000元。\r\n'
     '第2年累计收益2100，累计收益率21%，本利和12100元。\r\n'),
    ('lump sum, fractions', 'munFVIF', ['5000', '3.5', '3'],
     '3年后本利合计：5543.5894元。\r\n第1年累计收益175，累计收益率3.5%，本利和5175元。\r\n'
     '第2年累计收益356.125，累计收益率7.1225%，本利和5356.125元。\r\n'
     '第3年累计收益543.5894，累计收益率10.8718%，本利和5543.5894元。\r\n'),
    ('lump sum, leading zero years', 'munFVIF', ['10000', '10', '02'],
     '02年后本利合计：12100元。\r\n第1年累计收益1000，累计收益率10%，本利和11000元。\r\n'
     '第2年累计收益2100，累计收益率21%，本利和12100元。\r\n'),
]

# Cases whose whole result is also copied out with Ctrl+A, Ctrl+C and read off the clipboard.
COPIED = {'periodic investment, long schedule', 'pension, five years to retirement',
          'present value, ten years'}

# Failures: the message expected, and what the result box holds afterwards.
FAILURES = [
    ('empty box', 'mnuDT', ['300', '0', '10', ''], '输入数值不能为空！', '计算结果'),
    ('zero amount', 'munFVIF', ['0', '10', '2'], '计算溢出或出现无效运算，计算已停止。', ''),
    ('lone point in the pension', 'mnuYLJ', ['4', '.', '2', '30', '60'], '输入的数值格式不正确。',
     ''),
    ('age beyond range', 'mnuYLJ', ['4', '1000', '2', '40000', '60'], '输入的数值超出允许的范围。',
     ''),
    ('years cap', 'munFVIF', ['10000', '0', '32768'], '投资年限不能超过32767年。', ''),
]


def shown(text):
    """What the box displays of a text: every line ends in one line feed."""
    return text.replace('\r\n', '\n')


# A result taken further from the result box's context menu: its table (tab-separated on the
# clipboard, comma-separated in the file after a byte-order mark) and the lines its PDF holds.
TABLE_CASE = ('mnuYLJ', ['4', '1000', '2', '60', '60'])
TABLE = [['退休年份', '年需要生活费(元)', '平均每月(元)'], ['1', '12480', '1040'],
         ['2', '12979.2', '1081.6'], ['合计', '25459.2', '']]
PDF_LINES = ['我需要多少养老金', '总计需要养老金：25459.2元。', '第 1 页，共 1 页']


def table_text(separator):
    return ''.join(separator.join(row) + '\r\n' for row in TABLE)


def clipboard():
    return subprocess.run(['xclip', '-o', '-selection', 'clipboard'], capture_output=True,
                          check=True).stdout.decode()


def exported(window, caption, dialog, name, folder):
    """Chooses an export command, answers its save dialog and returns the file's bytes."""
    path = os.path.join(folder, name)
    window.context_command(caption)
    window.save_as(dialog, path)
    wait(name, lambda: os.path.exists(path) or None, 10)
    time.sleep(0.3)
    with open(path, 'rb') as file:
        return file.read()


def context_menu_checks(window, failures):
    window.run(*TABLE_CASE)
    wait('pension result', lambda: window.result().startswith('总计需要养老金：25459.2') or None, 5)
    window.context_command('复制为表格')
    time.sleep(0.3)
    check('复制为表格', clipboard(), table_text('\t'), failures)
    with tempfile.TemporaryDirectory() as folder:
        csv = exported(window, '导出为 CSV 文件…', '导出为 CSV 文件', 'table.csv', folder)
        check('导出为 CSV 文件…', csv, b'\xef\xbb\xbf' + table_text(',').encode(), failures)
        pdf = exported(window, '导出为 PDF…', '导出为 PDF', 'table.pdf', folder)
        text = subprocess.run(['pdftotext', '-layout', '-', '-'], input=pdf, capture_output=True,
                              check=True).stdout.decode()
        rows = [' '.join(row).split() for row in TABLE[1:]]
        found = [line for line in PDF_LINES if line in text] + [
            row for row in rows if any(line.split() == row for line in text.splitlines())]
        check('导出为 PDF…', found, PDF_LINES + rows, failures)
    window.context_command('显示图表…')
    chart = wait('chart window', lambda: window.showing('dialog', '我需要多少养老金 — 图表'), 5)
    toggles = [name for name in ('对数刻度', '按今天的钱')
               if window.showing('check box', name) is not None]
    check('显示图表…: both toggles', toggles, ['对数刻度', '按今天的钱'], failures)
    click(chart)  # into the plot, which a click leaves as it is
    subprocess.run(['xdotool', 'key', 'Escape'], check=True)
    wait('chart closed', lambda: None if window.showing('dialog', '我需要多少养老金 — 图表') else True)


def check(label, got, expected, failures):
    if got == expected:
        print('ok   %s' % label)
    else:
        failures.append(label)
        print('FAIL %s\n  got      %r\n  expected %r' % (label, got[:300], expected[:300]))


def type_keys(node, keys):
    """Clicks into the box and types with real X key events, through the keystroke filter."""
    click(node)
    subprocess.run(['xdotool', 'key', '--delay', '20', 'ctrl+a'], check=True)
    node.queryEditableText().setTextContents('')
    subprocess.run(['xdotool', 'type', '--delay', '30', '--', keys], check=True)
    time.sleep(0.3)
    return node.queryText().getText(0, -1)


def main():
    # Bring up the accessibility registry first: a program that starts before the bus answers
    # never publishes its widgets.
    wait('accessibility registry', lambda: pyatspi.Registry.getDesktop(0) or None)
    program = subprocess.Popen([BELVIK])
    failures = []
    try:
        window = Window(wait('belvik on the accessibility bus', application, 20), PANES)
        for label, menu, texts, expected in CASES:
            _, before = window.run(menu, texts)
            got = wait('result of ' + label,
                       lambda: (lambda now: now if now != before else None)(window.result()), 5)
            check(label, got, shown(expected), failures)
            if label in COPIED:
                check(label + ': copied', window.copied(), expected, failures)
        for label, menu, texts, prompt, expected in FAILURES:
            window.run(menu, texts)
            title, texts_shown = window.message()
            check(label + ': message', (title, prompt in texts_shown), ('提示', True), failures)
            check(label + ': result box', window.result(), shown(expected), failures)
        context_menu_checks(window, failures)
        panel = window.choose('mnuDT')
        check('typing an amount keeps one point',
              type_keys(window.box(panel, '每月投入金额：'), '12.5.'), '12.5', failures)
        check('typing into a years box drops the point',
              type_keys(window.box(panel, '投资年限：'), '1.5'), '15', failures)
        check('typing a minus sign changes nothing',
              type_keys(window.box(panel, '每年增加投入(%)：'), '-7'), '7', failures)
    finally:
        program.terminate()
        program.wait(10)
    checks = len(CASES) + len(COPIED) + 2 * len(FAILURES) + 4 + 3
    print('%d passed, %d failed' % (checks - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
