#!/usr/bin/python3
"""A plain AT-SPI client playing a short game of Lumitile by keys, as a blind
player would, and checking what a reader is told at each step; it prints
the words heard. atspi_test.sh runs it in a bus and display of its own.
  atspi_client.py --write-kept-game PATH   writes the game it plays
"""
import os
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# A valid grid with three open cells, so the board and its answers are known.
SOLUTION = [[(r * 3 + r // 3 + c) % 9 + 1 for c in range(9)] for r in range(9)]
OPEN = [(0, 0), (0, 1), (4, 4)]
KINDS = {"focus": "object:state-changed:focused", "name": "object:property-change:accessible-name",
         "announced": "object:state-changed:showing", "checked": "object:state-changed:checked"}
CONTROL, SHIFT = 37, 50  # Xvfb's keycodes of the left Control and Shift
RIGHT, LEFT, UP, DOWN, TAB = 0xff53, 0xff51, 0xff52, 0xff54, 0xff09
events, transcript = [], []


def write_kept_game(path):
    digits = lambda grid: "".join(str(n) for row in grid for n in row)
    givens = [[0 if (r, c) in OPEN else SOLUTION[r][c] for c in range(9)] for r in range(9)]
    with open(path, "w", encoding="ascii") as out:
        out.write("Lumitile saved game 1\nlevel=0\nseconds=60\npaused=0\nhints=111\nsolution=%s\n"
                  "givens=%s\nentries=%s\nmarks=%s\n" % (digits(SOLUTION), digits(givens), "0" * 81, "," * 80))


def heard(event):
    try:
        events.append((event.type, event.source.get_role_name(), event.source.get_name(), event.detail1))
    except GLib.Error:
        pass


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.01)


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    for event in events[-15:]:
        print("  heard: %s %s %r %s" % event, file=sys.stderr)
    sys.exit(1)


def step(label, act, *expected, again=0):
    """Does act, then waits up to 15 s for each (kind, role, words it starts with).
    An act that changes nothing may be done again up to `again` times, every
    3 s, while nothing is heard: a click as the window first maps can be lost."""
    since, said = len(events), []
    act()
    for kind, role, words in expected:
        test = lambda t, r, n, d: t == KINDS[kind] and r == role and (d == 1 or kind == "name") and n.startswith(words)
        end = time.monotonic() + 15
        retry = time.monotonic() + 3
        while not any(test(*e) for e in events[since:]):
            if time.monotonic() > end:
                fail("never heard %s %s %r after %s" % (kind, role, words, label))
            if again and time.monotonic() > retry:
                again, retry = again - 1, time.monotonic() + 3
                act()
            pump(0.05)
        said.append("%s: %s" % (kind, next(e for e in events[since:] if test(*e))[2]))
    transcript.append((label, said))


def key(sym, modifier=None):
    if modifier:
        Atspi.generate_keyboard_event(modifier, None, Atspi.KeySynthType.PRESS)
    Atspi.generate_keyboard_event(sym, None, Atspi.KeySynthType.SYM)
    if modifier:
        Atspi.generate_keyboard_event(modifier, None, Atspi.KeySynthType.RELEASE)


def keys(*syms):
    return lambda: [key(sym) for sym in syms]


def find(node, role, name, depth=0):
    if node.get_role_name() == role and node.get_name() == name:
        return node
    for i in range(node.get_child_count() if depth < 6 else 0):
        found = find(node.get_child_at_index(i), role, name, depth + 1)
        if found:
            return found
    return None


def main():
    if sys.argv[1:2] == ["--write-kept-game"]:
        return write_kept_game(sys.argv[2])
    listener = Atspi.EventListener.new(heard)
    for kind in KINDS.values():
        listener.register(kind)
    pump(0.2)
    if os.environ.get("ATSPI_CLIENT_READY"):
        open(os.environ["ATSPI_CLIENT_READY"], "w").close()
    # Waited for until its window is up on the screen, so the first click lands.
    app = board = clock = None
    end = time.monotonic() + 30
    while not (board and board.get_extents(Atspi.CoordType.SCREEN).width > 0) and time.monotonic() < end:
        pump(0.1)
        app = find(Atspi.get_desktop(0), "application", "lumitile")
        board, clock = app and find(app, "list", "盤面"), app and find(app, "label", "タイム")
    if not board or board.get_extents(Atspi.CoordType.SCREEN).width == 0 or board.get_child_count() != 81 or not clock:
        fail("no game on the bus with a board of 81 cells on the screen and a clock named タイム")

    # A click on the first cell gives the window the keyboard (nothing is picked: it changes nothing).
    first = board.get_child_at_index(0).get_extents(Atspi.CoordType.SCREEN)
    step("start", lambda: Atspi.generate_mouse_event(first.x + first.width // 2, first.y + first.height // 2, "b1c"),
         ("focus", "list item", "1行1列 空き"), again=4)
    digit = lambda n: 0x30 + n
    wrong, hinted = SOLUTION[0][1] % 9 + 1, "1行1列 %d" % SOLUTION[0][0]
    step("move", keys(RIGHT), ("focus", "list item", "1行2列 空き"))
    step("place", keys(digit(wrong)), ("name", "list item", "1行2列 %d" % wrong), ("announced", "notification", "1行2列 %d" % wrong))
    step("move back", keys(LEFT), ("focus", "list item", "1行1列 空き"))
    step("mark", lambda: key(digit(3), CONTROL), ("name", "list item", "1行1列 空き メモ 3"),
         ("announced", "notification", "1行1列 空き メモ 3"))
    step("hint", keys(ord("h")), ("name", "list item", hinted), ("announced", "notification", hinted + " ヒント 残り2"))
    step("time", keys(ord("t")), ("announced", "notification", "タイム 1分"))
    if not 90 <= clock.get_current_value() <= 150:
        fail("the clock's value is %s" % clock.get_current_value())
    transcript.append(("clock value", ["タイム: %d" % clock.get_current_value()]))
    step("Tab to the palette", keys(TAB), ("focus", "radio button", "パネル 1"))
    step("arrow on the palette", keys(RIGHT), ("focus", "radio button", "パネル 2"))
    step("Space presses it", keys(ord(" ")), ("checked", "radio button", "パネル 2"),
         ("announced", "notification", "パネル 2"))
    eraser = find(app, "radio button", "消しゴム")
    step("press by its action", lambda: eraser.do_action(0), ("checked", "radio button", "消しゴム"))
    step("Shift+Tab to the board", lambda: key(TAB, SHIFT), ("focus", "list item", hinted))
    middle, solved = "5行5列 %d" % SOLUTION[4][4], "1行2列 %d" % SOLUTION[0][1]
    step("down to the middle", keys(*[DOWN] * 4, *[RIGHT] * 4), ("focus", "list item", "5行5列 空き"))
    step("place, board full", keys(digit(SOLUTION[4][4])), ("name", "list item", middle),
         ("announced", "notification", middle + " 間違いがあります"))
    step("back to the wrong cell", keys(*[UP] * 4, *[LEFT] * 3), ("focus", "list item", "1行2列 %d" % wrong))
    step("solve", keys(digit(SOLUTION[0][1])), ("name", "list item", solved),
         ("announced", "notification", solved + " 完成 1分"), ("announced", "notification", "新記録"))
    for label, said in transcript:
        print("%-24s %s" % (label, " | ".join(said)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
