"""The program as a screen reader meets it, through AT-SPI: find the body mass index tile
by its name, press it by its action, fill in height and weight through the editable-text
interface, press 计算 and read the result box, which tells of the new text.

Run with Debian's python3 (python3-pyatspi) on the session bus where the program runs
with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Exits non-zero with a message on any failure."""
import sys
import time

import pyatspi
from gi.repository import GLib

EVENTS = []


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, find, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        GLib.MainContext.default().iteration(False)
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    fail("no " + what)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "vettora":
            return app
    return None


def node(root, role, name):
    """The first node below root with this role and name, or None."""
    return pyatspi.findDescendant(root, lambda n: n.getRoleName() == role and n.name == name)


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%r has no press action (%s)" % (accessible.name, names))
    action.doAction(names.index("Press"))


def main():
    app = wait_for("program on the accessibility bus", program)
    tile = wait_for("BMI tile", lambda: node(app, "push button", "身体质量指数(BMI)"))
    if tile.description != "BMI指数，也叫身体质量指数，衡量是否肥胖重要指标。":
        fail("the tile's description is %r" % tile.description)
    press(tile)

    page = wait_for("BMI page", lambda: next((w for w in program() if w.name == "身体质量指数(BMI)"), None))
    if page.getRoleName() != "frame":
        fail("the page is a %r, not a window" % page.getRoleName())
    height = wait_for("height box", lambda: node(page, "text", "身高 厘米"))
    weight = node(page, "text", "体重 千克")
    calculate = node(page, "push button", "计算")
    result = node(page, "text", "计算结果")
    if weight is None or calculate is None or result is None:
        fail("the page lacks a named weight box, 计算 button or result box")
    states = result.getState()
    if not states.contains(pyatspi.STATE_MULTI_LINE) or states.contains(pyatspi.STATE_EDITABLE):
        fail("the result box is not read-only multi-line text")

    height.queryEditableText().setTextContents("170")
    weight.queryEditableText().setTextContents("65")
    pyatspi.Registry.registerEventListener(EVENTS.append, "object:text-changed:insert")
    press(calculate)

    text = result.queryText()
    expected = "您的身体质量指数（BMI）为：22.49"
    wait_for("result text", lambda: text.getText(0, -1) if text.getText(0, -1).startswith(expected) else None)
    wait_for("text-changed event from the result box",
             lambda: True if any(e.source == result and expected in str(e.any_data) for e in EVENTS) else None)
    print("screen reader read: " + text.getText(0, -1).splitlines()[0])


main()
