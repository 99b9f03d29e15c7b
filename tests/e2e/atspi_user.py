# The desktop program driven through the accessibility tree, as a screen-reader user would: controls
# are found by the names a user reads, clicked with the real mouse, typed into with the real
# keyboard, and read back through the tree. Messages are real dialogs, answered the same way.
import os
import subprocess
import tempfile
import time

import pyatspi

# Roles whose many cells a search never walks: a long schedule would take minutes.
_CELL_PARENTS = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST}
# Roles of a top window, a child window's frame or a message.
_WINDOWS = {pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW,
            pyatspi.ROLE_INTERNAL_FRAME}


class Failure(Exception):
    """A scenario's check that did not hold, with what was seen instead."""


def wait_until(what, test, timeout=10.0):
    """Polls `test` until it gives a true value, which it returns; fails after `timeout`."""
    end = time.time() + timeout
    while True:
        value = test()
        if value:
            return value
        if time.time() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.1)


def _name(acc):
    try:
        return (acc.name or "").strip()
    except Exception:  # a control that went away while being read
        return ""


def _showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find_all(root, name=None, role=None, within_lists=False):
    """Every showing control under `root` named `name` (its accessible name, blanks trimmed)
    and of `role` (a pyatspi ROLE_ constant), either left out to match any."""
    found = []
    todo = [root]
    while todo:
        acc = todo.pop(0)
        try:
            children = list(acc) if (within_lists or acc.getRole() not in _CELL_PARENTS) else []
        except Exception:
            continue
        for child in children:
            if child is None or not _showing(child):
                continue
            if (name is None or _name(child) == name) and (role is None or child.getRole() == role):
                found.append(child)
            todo.append(child)
    return found


def find(root, name, role=None, timeout=10.0, within_lists=False):
    """The first showing control named `name`; waits for it to appear."""
    what = repr(name) if role is None else "%r (%s)" % (name, role)
    return wait_until(what, lambda: (find_all(root, name, role, within_lists) or [None])[0],
                      timeout)


def _same(a, b):
    return a.getIndexInParent() == b.getIndexInParent() and _name(a) == _name(b)


def centre(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True)


def click(acc, settle=0.4):
    """A real left click in the middle of the control."""
    x, y = centre(acc)
    xdotool("mousemove", "--sync", x, y, "click", 1)
    time.sleep(settle)


def type_text(text, settle=0.3):
    xdotool("type", "--delay", 40, text)
    time.sleep(settle)


def key(*names, settle=0.3):
    xdotool("key", *names)
    time.sleep(settle)


def text_of(acc):
    """What a box shows: its text, or for a control without text its name."""
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return _name(acc)


def replace_text(box, text):
    """Clicks into a box, selects what it holds and types `text` over it (no Tab after)."""
    click(box)
    key("ctrl+a")
    type_text(text)


def rows_of(table):
    return table.queryTable().nRows


class Program:
    """One run of the desktop program, found in the tree by its process id."""

    def __init__(self, path):
        # Each run has a data folder of its own: a run killed at its end leaves a recovery copy
        # that would make the next start ask about it.
        env = os.environ.copy()
        env["XDG_DATA_HOME"] = tempfile.mkdtemp(prefix="hl-data-")
        env["XDG_CONFIG_HOME"] = tempfile.mkdtemp(prefix="hl-config-")
        self.process = subprocess.Popen([path], env=env)
        self.app = wait_until("the program on the accessibility bus", self._find_app, 20)

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                continue
        return None

    def find(self, name, role=None, timeout=10.0, within_lists=False):
        return find(self.app, name, role, timeout, within_lists)

    def beside(self, caption, role, timeout=10.0):
        """The control of `role` that follows the label `caption` in its window: a list box is
        named on the bus by the item it shows, so it is found by its caption."""
        def look():
            for label in find_all(self.app, caption, pyatspi.ROLE_LABEL):
                parent = label.parent
                after = False
                for child in parent:
                    if child is not None and _same(child, label):
                        after = True
                    elif after and child is not None and child.getRole() == role:
                        return child
            return None
        return wait_until("the control after " + repr(caption), look, timeout)

    def present(self, name, role=None):
        return bool(find_all(self.app, name, role))

    def start(self):
        """Passes the start-up box and waits for the input form."""
        click(self.find("OK", pyatspi.ROLE_PUSH_BUTTON, 20))
        self.find("Mortgage Amount", timeout=20)

    def menu(self, *path):
        """Picks a command through the menus with the mouse: View, Summary."""
        for name in path:
            item = wait_until("menu " + name, lambda: next(
                (m for m in find_all(self.app, name) if m.getRole() in (
                    pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM)), None))
            click(item)

    def window(self, title, timeout=10.0):
        """The showing window or dialog titled `title`."""
        return wait_until("the window " + repr(title), lambda: next(
            (d for d in find_all(self.app, title) if d.getRole() in _WINDOWS), None), timeout)

    def answer(self, title, button, timeout=10.0):
        """Answers the message titled `title` by clicking its button `button`; returns the
        message's text."""
        dialog = self.window(title, timeout)
        words = " ".join(_name(label) for label in find_all(dialog, role=pyatspi.ROLE_LABEL))
        click(find(dialog, button, pyatspi.ROLE_PUSH_BUTTON))
        return words

    def open_study(self, path):
        """File > Open, the file's path typed into the dialog."""
        self.menu("File", "Open")
        self.window("Open")
        time.sleep(0.5)
        type_text(path)
        key("Return", settle=1.0)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
