"""End-to-end checks of the real window over AT-SPI: boxes filled, menu commands and buttons
pressed, typing with real key events, and the result box and message boxes read back. Every
result must equal what the calculator gives for the same texts, byte for byte."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

BELVIK, DRIVER = sys.argv[1], sys.argv[2]
INFLATION = '年平均通货膨胀率(%)：'

# Pane (its menu command and frame caption), boxes by their spoken names, the button, and the
# calculator behind it with the box names in the order it takes them.
PANES = {
    'I': ('定投计算', '计算定投', ['每月投入金额：', '每年增加投入(%)：', '年平均收益率(%)：', '投资年限：']),
    'P': ('我需要多少养老金', '计算养老金', [INFLATION, '我每月需要生活费（按现值）：',
                                           '依靠养老金生活多少年：', '我现在的年龄：', '退休年龄：']),
    'V': ('这些钱将来值多少', '计算现值', [INFLATION, '元，相当于现在的多少钱？', '年后']),
    'L': ('单笔投资计算', '计算单笔投资', ['投资金额：', '预计年平均收益率(%)', '投资年限：']),
}

CASES = [
    ('periodic investment, flat', 'I', ['300', '0', '10', '3']),
    ('periodic investment, growing', 'I', ['300', '7', '10', '5']),
    ('periodic investment, zero years', 'I', ['300', '0', '10', '0']),
    ('periodic investment, long schedule', 'I', ['1', '0', '0', '2000']),
    ('pension, five years to retirement', 'P', ['3', '2000', '3', '50', '55']),
    ('pension, retired already', 'P', ['4', '1000', '2', '65', '60']),
    ('pension, no years', 'P', ['4', '1000', '0', '30', '60']),
    ('present value, ten years', 'V', ['4', '10000', '10']),
    ('present value, below one', 'V', ['4', '1', '20']),
    ('lump sum, whole numbers', 'L', ['10000', '10', '2']),
    ('lump sum, fractions', 'L', ['5000', '3.5', '3']),
    ('lump sum, leading zero years', 'L', ['10000', '10', '02']),
]

# Failures: the message expected, and the result box must again equal the calculator's text.
FAILURES = [
    ('empty box', 'I', ['300', '0', '10', ''], '输入数值不能为空！'),
    ('zero amount', 'L', ['0', '10', '2'], '计算溢出或出现无效运算，计算已停止。'),
    ('lone point in the pension', 'P', ['4', '.', '2', '30', '60'], '输入的数值格式不正确。'),
    ('age beyond range', 'P', ['4', '1000', '2', '40000', '60'], '输入的数值超出允许的范围。'),
    ('years cap', 'L', ['10000', '0', '32768'], '投资年限不能超过32767年。'),
]


def engine(kind, texts):
    """What the calculator makes of the texts, with the result box holding 计算结果."""
    out = subprocess.run([DRIVER], input=(kind + '\t' + '\t'.join(texts) + '\n').encode(),
                         capture_output=True, check=True).stdout.decode()
    return out.rstrip('\n').split('\t', 1)[1].replace('\\r', '\r').replace('\\n', '\n')


def wait(what, find, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.05)
    raise AssertionError('not found: ' + what)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name):
    for node in descendants(root):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == 'belvik':
            return app
    return None


class Window:
    def __init__(self, app):
        self.app = app
        self.frame = wait('main window', lambda: next(
            (w for w in app if w is not None and w.getRoleName() == 'frame'), None))

    def choose(self, kind):
        caption = PANES[kind][0]
        find(self.frame, 'menu item', caption).queryAction().doAction(0)
        return wait('pane ' + caption, lambda: self.visible_panel(caption))

    def visible_panel(self, caption):
        panel = find(self.frame, 'panel', caption)
        if panel and panel.getState().contains(pyatspi.STATE_SHOWING):
            return panel
        return None

    def box(self, panel, name):
        return find(panel, 'text', name) or find(self.frame, 'text', name)

    def result(self):
        text = find(self.frame, 'text', '计算结果').queryText()
        return text.getText(0, -1)

    def run(self, kind, texts):
        panel = self.choose(kind)
        for name, text in zip(PANES[kind][2], texts):
            self.box(panel, name).queryEditableText().setTextContents(text)
        before = self.result()
        find(panel, 'push button', PANES[kind][1]).queryAction().doAction(0)
        return panel, before

    def message(self):
        """The open message box's text; closes it with its OK button."""
        def dialog():
            try:
                for node in self.app:
                    if node is not None and node.getRoleName() in ('dialog', 'alert'):
                        return node
            except GLib.GError:  # a box closing while it is looked at
                pass
            return None
        box = wait('message box', dialog, 5)
        title = box.name
        texts = [n.name for n in descendants(box) if n.getRoleName() == 'label' and n.name]
        button = next(n for n in descendants(box) if n.getRoleName() == 'push button')
        button.queryAction().doAction(0)
        wait('message box closed', lambda: None if dialog() else True, 5)
        return title, texts


def check(label, got, expected, failures):
    if got == expected:
        print('ok   %s' % label)
    else:
        failures.append(label)
        print('FAIL %s\n  window %r\n  engine %r' % (label, got[:300], expected[:300]))


def type_keys(node, keys):
    """Clicks into the box and types with real X key events, through the keystroke filter."""
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(['xdotool', 'mousemove', str(x + width // 2), str(y + height // 2),
                    'click', '1', 'key', '--delay', '20', 'ctrl+a'], check=True)
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
        window = Window(wait('belvik on the accessibility bus', application, 20))
        for label, kind, texts in CASES:
            _, before = window.run(kind, texts)
            got = wait('result of ' + label,
                       lambda: (lambda now: now if now != before else None)(window.result()), 5)
            check(label, got, engine(kind, texts), failures)
        for label, kind, texts, prompt in FAILURES:
            window.run(kind, texts)
            title, texts_shown = window.message()
            check(label + ': message', (title, prompt in texts_shown), ('提示', True), failures)
            expected = engine(kind, texts)
            check(label + ': result box', window.result(), expected, failures)
        panel = window.choose('I')
        check('typing an amount keeps one point',
              type_keys(window.box(panel, '每月投入金额：'), '12.5.'), '12.5', failures)
        check('typing into a years box drops the point',
              type_keys(window.box(panel, '投资年限：'), '1.5'), '15', failures)
        check('typing a minus sign changes nothing',
              type_keys(window.box(panel, '每年增加投入(%)：'), '-7'), '7', failures)
    finally:
        program.terminate()
        program.wait(10)
    checks = len(CASES) + 2 * len(FAILURES) + 3
    print('%d passed, %d failed' % (checks - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
