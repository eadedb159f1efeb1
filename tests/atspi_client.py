#!/usr/bin/python3
"""A plain AT-SPI client that plays a short game of Lumitile by keys, as a
blind player would, and checks what a screen reader is told at each step:
the focus on one cell at a time, a cell's new name after a move, the
announcements, the clock's value, the palette reached by Tab and pressed.
atspi_test.sh runs it inside a bus and display of the test's own; it prints
the words heard, step by step.

  atspi_client.py --write-kept-game PATH   writes the kept game it plays
  atspi_client.py                          plays it
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# A valid grid, and three open cells in it: two in the first row, one in
# the middle; everything else given.
SOLUTION = [[(r * 3 + r // 3 + c) % 9 + 1 for c in range(9)] for r in range(9)]
OPEN = [(0, 0), (0, 1), (4, 4)]
SECONDS = 60


def write_kept_game(path):
    digits = lambda grid: "".join(str(n) for row in grid for n in row)
    givens = [[0 if (r, c) in OPEN else SOLUTION[r][c] for c in range(9)] for r in range(9)]
    with open(path, "w", encoding="ascii") as out:
        out.write("Lumitile saved game 1\nlevel=0\nseconds=%d\npaused=0\nhints=111\n" % SECONDS)
        out.write("solution=%s\ngivens=%s\nentries=%s\nmarks=%s\n"
                  % (digits(SOLUTION), digits(givens), "0" * 81, "," * 80))


events = []
TIMEOUT = 15


def heard(event):
    try:
        role, name = event.source.get_role_name(), event.source.get_name()
    except GLib.Error:
        role, name = "?", "?"
    events.append((event.type, role, name, event.detail1))


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    for event in events[-15:]:
        print("  heard: %s %s %r %s" % event, file=sys.stderr)
    sys.exit(1)


def wait_for(since, what, test):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        for event in events[since:]:
            if test(*event):
                return event
        pump(0.05)
    fail("never heard " + what)


transcript = []


def step(label, act, *expected):
    """Does act, then waits for each (kind, role, text or prefix) in turn."""
    since = len(events)
    act()
    said = []
    for kind, role, text in expected:
        types = {"focus": "object:state-changed:focused", "name": "object:property-change:accessible-name",
                 "announced": "object:state-changed:showing", "checked": "object:state-changed:checked"}
        wanted = types[kind]
        got = wait_for(since, "%s %s %r after %s" % (kind, role, text, label),
                       lambda t, r, n, d: t == wanted and r == role and (d == 1 or kind == "name")
                       and n.startswith(text))
        said.append("%s: %s" % (kind, got[2]))
    transcript.append((label, said))


# Xvfb's keyboard has the usual PC keycodes: 37 the left Control, 50 the left Shift.
CONTROL, SHIFT = 37, 50


def key(sym, modifier=None):
    if modifier:
        Atspi.generate_keyboard_event(modifier, None, Atspi.KeySynthType.PRESS)
    Atspi.generate_keyboard_event(sym, None, Atspi.KeySynthType.SYM)
    if modifier:
        Atspi.generate_keyboard_event(modifier, None, Atspi.KeySynthType.RELEASE)


def keys(*syms):
    return lambda: [key(sym) for sym in syms]


def find(node, test, depth=0):
    if test(node):
        return node
    if depth > 6:
        return None
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        found = child and find(child, test, depth + 1)
        if found:
            return found
    return None


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--write-kept-game":
        return write_kept_game(sys.argv[2])
    listener = Atspi.EventListener.new(heard)
    for kind in ("object:state-changed:focused", "object:property-change:accessible-name",
                 "object:state-changed:showing", "object:state-changed:checked"):
        listener.register(kind)

    app = None
    end = time.monotonic() + 30
    while not app and time.monotonic() < end:
        pump(0.1)
        desktop = Atspi.get_desktop(0)
        app = find(desktop, lambda n: n.get_role_name() == "application" and n.get_name() == "lumitile")
    if not app:
        fail("the game never showed up on the AT-SPI bus")
    board = find(app, lambda n: n.get_role_name() == "list" and n.get_name() == "盤面")
    clock = find(app, lambda n: n.get_role_name() == "label" and n.get_name() == "タイム")
    if not board or board.get_child_count() != 81 or not clock:
        fail("no board of 81 cells or no clock named タイム")

    # The window takes the keyboard at a click on the first cell (nothing
    # picked, so the click changes nothing).
    extents = board.get_child_at_index(0).get_extents(Atspi.CoordType.SCREEN)
    step("start", lambda: Atspi.generate_mouse_event(extents.x + extents.width // 2,
                                                     extents.y + extents.height // 2, "b1c"),
         ("focus", "list item", "1行1列 空き"))
    right, left, up, down = 0xff53, 0xff51, 0xff52, 0xff54
    digit = lambda n: 0x30 + n
    wrong = SOLUTION[0][1] % 9 + 1
    step("move", keys(right), ("focus", "list item", "1行2列 空き"))
    step("place", keys(digit(wrong)), ("name", "list item", "1行2列 %d" % wrong))
    step("move back", keys(left), ("focus", "list item", "1行1列 空き"))
    step("mark", lambda: key(digit(3), CONTROL), ("name", "list item", "1行1列 空き メモ 3"))
    hinted = "1行1列 %d" % SOLUTION[0][0]
    step("hint", keys(ord("h")), ("name", "list item", hinted), ("announced", "notification", hinted + " ヒント 残り2"))
    step("time", keys(ord("t")), ("announced", "notification", "タイム 1分"))
    shown = clock.get_current_value()
    if not SECONDS + 30 <= shown <= SECONDS + 30 + 60:
        fail("the clock's value is %s" % shown)
    transcript.append(("clock value", ["%s: %d" % (clock.get_name(), shown)]))
    step("Tab to the palette", keys(0xff09), ("focus", "radio button", "パネル 1"))
    step("arrow on the palette", keys(right), ("focus", "radio button", "パネル 2"))
    step("Space presses it", keys(ord(" ")), ("checked", "radio button", "パネル 2"),
         ("announced", "notification", "パネル 2"))
    eraser = find(app, lambda n: n.get_role_name() == "radio button" and n.get_name() == "消しゴム")
    step("the eraser pressed by its action", lambda: eraser.do_action(0),
         ("checked", "radio button", "消しゴム"), ("announced", "notification", "消しゴム"))
    step("Shift+Tab to the board", lambda: key(0xff09, SHIFT), ("focus", "list item", hinted))
    middle = "5行5列 %d" % SOLUTION[4][4]
    step("down to the middle", keys(*[down] * 4, *[right] * 3), ("focus", "list item", "5行4列"))
    step("place, the board full", keys(right, digit(SOLUTION[4][4])), ("name", "list item", middle),
         ("announced", "notification", middle + " 間違いがあります"))
    step("back to the wrong cell", keys(*[up] * 4, *[left] * 3), ("focus", "list item", "1行2列 %d" % wrong))
    solved = "1行2列 %d" % SOLUTION[0][1]
    step("solve", keys(digit(SOLUTION[0][1])), ("name", "list item", solved),
         ("announced", "notification", solved + " 完成 1分"), ("announced", "notification", "新記録"))

    for label, said in transcript:
        print("%-34s %s" % (label, " | ".join(said)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
