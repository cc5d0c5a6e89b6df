"""The real window as the accessibility bus shows it: its pane table, its controls found by their
accessible names, menu commands and buttons pressed through their actions. Shared by the
end-to-end check and the screenshot script."""
import subprocess
import time

import pyatspi
from gi.repository import GLib


def panes(pane_table):
    """The window's pane table: menu name -> (menu caption, button name, box names in the order
    the calculator reads them)."""
    out = subprocess.run([pane_table], capture_output=True, check=True).stdout.decode()
    table = {}
    for line in out.splitlines():
        menu, caption, button, *boxes = line.split('\t')
        table[menu] = (caption, button, boxes)
    return table


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
    def __init__(self, app, panes):
        self.app = app
        self.panes = panes
        # Listened to from the start: the program sends only the events someone listens to, and
        # learns of a new listener a little later.
        self.popups = []
        pyatspi.Registry.registerEventListener(self._popup_showing, 'object:state-changed:showing')
        self.frame = wait('main window', lambda: next(
            (w for w in app if w is not None and w.getRoleName() == 'frame'), None))

    def choose(self, menu):
        caption = self.panes[menu][0]
        find(self.frame, 'menu item', caption).queryAction().doAction(0)
        return wait('pane ' + caption, lambda: self.visible_panel(caption))

    def visible_panel(self, caption):
        panel = find(self.frame, 'panel', caption)
        if panel and panel.getState().contains(pyatspi.STATE_SHOWING):
            return panel
        return None

    def box(self, panel, name):
        return find(panel, 'text', name) or find(self.frame, 'text', name)

    def result_box(self):
        return find(self.frame, 'text', '计算结果')

    def result(self):
        return self.result_box().queryText().getText(0, -1)

    def run(self, menu, texts):
        panel = self.choose(menu)
        for name, text in zip(self.panes[menu][2], texts):
            self.box(panel, name).queryEditableText().setTextContents(text)
        before = self.result()
        find(panel, 'push button', self.panes[menu][1]).queryAction().doAction(0)
        return panel, before

    def copied(self):
        """Selects the whole result with Ctrl+A, copies it with Ctrl+C and reads the clipboard."""
        click(self.result_box())
        subprocess.run(['xdotool', 'key', '--delay', '50', 'ctrl+a', 'ctrl+c'], check=True)
        time.sleep(0.3)
        return subprocess.run(['xclip', '-o', '-selection', 'clipboard'], capture_output=True,
                              check=True).stdout.decode()

    def showing(self, role, name):
        """A control of the program's that is on screen now, in any of its windows."""
        for top in self.app:
            if top is None:
                continue
            node = top if (top.getRoleName(), top.name) == (role, name) else find(top, role, name)
            if node is not None and node.getState().contains(pyatspi.STATE_SHOWING):
                return node
        return None

    def _popup_showing(self, event):
        try:
            if event.detail1 and event.source.getRoleName() == 'popup menu':
                self.popups.append(event.source)
        except GLib.GError:  # something that showed and is gone again
            pass

    def context_command(self, caption):
        """Right-clicks the result box and chooses `caption` from its context menu. A popup menu
        is no child of the program's on the bus; it announces itself as it shows."""
        self.popups.clear()
        click(self.result_box(), 3)

        def shown_menu():
            GLib.MainContext.default().iteration(False)
            return self.popups[-1] if self.popups else None

        find(wait('context menu', shown_menu, 5), 'menu item', caption).queryAction().doAction(0)

    def save_as(self, caption, path):
        """Answers the save dialog titled `caption` with `path`, typed as a user would."""
        wait('dialog ' + caption, lambda: self.showing('dialog', caption), 5)
        time.sleep(0.3)
        subprocess.run(['xdotool', 'key', 'ctrl+a'], check=True)
        subprocess.run(['xdotool', 'type', '--delay', '10', '--', path], check=True)
        subprocess.run(['xdotool', 'key', 'Return'], check=True)

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


def click(node, button=1):
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(['xdotool', 'mousemove', str(x + width // 2), str(y + height // 2),
                    'click', str(button)], check=True)
