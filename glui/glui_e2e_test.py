#!/usr/bin/env python3
"""End-to-end test of the panel toolkit: the glui_demo program on the test
display, clicked and typed into with xdotool.

Usage: glui_e2e_test.py PATH_TO_glui_demo   (DISPLAY must name an X server)

glui_demo prints "cb <id> <value> <main window current>" for every control
callback and "draw" for every frame of its main window. The checks run in
order on one demo process and each starts from the state the previous one
left. A check that expects no callback follows its action with a known one
and asserts that the known one is the next callback.
"""

import os
import queue
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from panel_geometry import Button, Checkbox, Panel, Radio, Spinner  # noqa: E402
from panel_geometry import arrow, centre, layout  # noqa: E402

PANEL_TITLE = "glui demo panel"
MAIN_TITLE = "glui demo gfx"
WAIT = 10.0  # seconds before a missing line counts as lost

# The demo's panel, as it builds it.
GROUP = Radio(["Alpha", "Beta", "Gamma"])
FLAG = Checkbox("Flag")
COUNT = Spinner("Count:")
ANGLE = Spinner("Angle:")
CLAMP = Spinner("Clamp:")
SLOW = Checkbox("Slow")
PRESS = Button("Press")
QUIT = Button("Quit")
TOP = Panel(None, [
    Panel("Choices", [GROUP, FLAG, COUNT]),
    Panel("Numbers", [ANGLE, Panel("Inner", [CLAMP, SLOW])]),
    Panel("Raised", [PRESS], frame="unlabelled"),
    Panel("", [QUIT], frame="none"),
])
WINDOW_SIZE = layout(TOP)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def xdo_out(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True,
                          capture_output=True, text=True).stdout


class Demo:
    def __init__(self, path):
        self.proc = subprocess.Popen([path], stdout=subprocess.PIPE, text=True, bufsize=1)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.panel = self._find(PANEL_TITLE)
        self.main = self._find(MAIN_TITLE)

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.strip())
        self.lines.put(None)

    def _find(self, title):
        out = xdo_out("search", "--sync", "--onlyvisible", "--name", "^%s$" % title)
        return out.split()[0]

    def next_line(self, want_draw=False):
        deadline = time.monotonic() + WAIT
        while True:
            try:
                line = self.lines.get(timeout=max(0.0, deadline - time.monotonic()))
            except queue.Empty:
                raise Failure("no expected output from the demo within %s s" % WAIT)
            check(line is not None, "the demo ended unexpectedly")
            if line.startswith("draw") and not want_draw:
                continue
            if line.startswith("key") and not want_draw:
                continue
            return line

    def expect(self, line):
        got = self.next_line()
        check(got == line, "expected %r, got %r" % (line, got))

    def point(self, xy):
        xdo("mousemove", "--window", self.panel, xy[0], xy[1])

    def click(self, xy, hold="0.001"):
        """Press and release; hold is the time between them in seconds (None:
        both in one burst)."""
        self.point(xy)
        if hold is None:
            xdo("mousedown", "1", "mouseup", "1")
        else:
            xdo("mousedown", "1", "sleep", hold, "mouseup", "1")

    def type_into(self, spinner, keys_before, text, keys_after):
        self.click(centre(spinner))  # a click selects the field's whole text
        for k in keys_before:
            xdo("key", k)
        if text:
            xdo("type", "--delay", "15", "--", text)
        for k in keys_after:
            xdo("key", k)

    def geometry(self, window):
        info = {}
        for line in xdo_out("getwindowgeometry", "--shell", window).split():
            key, _, value = line.partition("=")
            info[key] = int(value) if value.lstrip("-").isdigit() else value
        return info

    def cpu_ticks(self):
        with open("/proc/%d/stat" % self.proc.pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])  # utime + stime


# The checks, in order.

def window_fits_and_sits_beside(demo):
    deadline = time.monotonic() + WAIT
    g = demo.geometry(demo.panel)
    while (g["WIDTH"], g["HEIGHT"]) != WINDOW_SIZE and time.monotonic() < deadline:
        time.sleep(0.05)
        g = demo.geometry(demo.panel)
    check((g["WIDTH"], g["HEIGHT"]) == WINDOW_SIZE,
          "panel is %dx%d, layout says %s" % (g["WIDTH"], g["HEIGHT"], WINDOW_SIZE))
    m = demo.geometry(demo.main)
    check(g["X"] >= m["X"] + m["WIDTH"], "panel overlaps the main window: %s %s" % (g, m))
    check(g["Y"] == m["Y"], "panel not top-aligned with the main window: %s %s" % (g, m))


def radio_fires_on_change_only(demo):
    demo.click(centre(GROUP, 2))
    demo.expect("cb 1 2 1")
    demo.click(centre(GROUP, 2))           # already selected: no callback
    demo.click(centre(GROUP, 0), hold=None)
    demo.expect("cb 1 0 1")


def checkbox_fires_on_every_toggle(demo):
    demo.click(centre(FLAG))
    demo.expect("cb 2 1 1")
    demo.click(centre(FLAG), hold=None)
    demo.expect("cb 2 0 1")
    x, y = centre(FLAG)
    demo.click((x + 30, y))                # on the label
    demo.expect("cb 2 1 1")


def int_spinner_arrows_step_and_wrap(demo):
    demo.click(arrow(COUNT, up=True))
    demo.expect("cb 3 4 1")
    for value in (3, 2, 1, 8):             # 1 - 1 wraps to the top
        demo.click(arrow(COUNT, up=False))
        demo.expect("cb 3 %d 1" % value)
    demo.click(arrow(COUNT, up=True), hold=None)   # 8 + 1 wraps to the bottom
    demo.expect("cb 3 1 1")


def typed_text_commits_on_enter_and_junk_is_rejected(demo):
    demo.type_into(ANGLE, [], "175", ["Return"])
    demo.expect("cb 4 175.00 1")
    demo.type_into(ANGLE, [], "abc", ["Return"])
    demo.type_into(ANGLE, [], "nan", ["Return"])
    demo.type_into(ANGLE, [], "", ["BackSpace", "Return"])
    # The field shows 175.00 again: "1" before it makes 1175, which wraps to 10.
    demo.type_into(ANGLE, ["Home"], "1", ["Return"])
    demo.expect("cb 4 10.00 1")
    demo.type_into(ANGLE, [], "9", ["Return"])     # below 10 wraps to the top
    demo.expect("cb 4 180.00 1")


def typed_text_commits_when_focus_moves(demo):
    demo.type_into(ANGLE, [], "90", [])
    demo.click(centre(FLAG))
    demo.expect("cb 4 90.00 1")            # not 9.00: nothing committed while typing
    demo.expect("cb 2 0 1")
    demo.type_into(ANGLE, [], "45", ["Tab"])       # Tab moves on to the Clamp field
    demo.expect("cb 4 45.00 1")
    xdo("key", "Escape")
    demo.type_into(ANGLE, [], "33", ["Escape"])    # Escape abandons the edit
    demo.click(arrow(ANGLE, up=True))
    demo.expect("cb 4 46.00 1")


def leaving_the_panel_commits_and_releases_keys(demo):
    # Without a window manager the keys follow the pointer: leaving the panel
    # is the field's loss of focus.
    demo.type_into(ANGLE, [], "120", [])
    xdo("keydown", "BackSpace")            # released over the main window
    xdo("mousemove", "--window", demo.main, 100, 75)
    demo.expect("cb 4 12.00 1")
    xdo("keyup", "BackSpace")
    demo.type_into(ANGLE, [], "77", ["Return"])  # no BackSpace left held down
    demo.expect("cb 4 77.00 1")


def clamped_int_spinner(demo):
    demo.type_into(CLAMP, [], "3.7", ["Return"])   # not a whole number: rejected
    demo.type_into(CLAMP, [], "100", ["Return"])
    demo.expect("cb 5 100 1")
    demo.click(arrow(CLAMP, up=True))      # at the top already: no change, no callback
    demo.type_into(CLAMP, [], "150", ["Return"])   # clamps to 100: no change
    demo.type_into(CLAMP, [], "-5", ["Return"])
    demo.expect("cb 5 0 1")


def held_arrow_repeats_until_released(demo):
    demo.point(arrow(COUNT, up=True))
    xdo("mousedown", "1", "sleep", "1.2", "mouseup", "1")
    demo.click(centre(FLAG))               # marks the end of the hold
    values = []
    line = demo.next_line()
    while line.startswith("cb 3 "):
        values.append(int(line.split()[2]))
        line = demo.next_line()
    check(line == "cb 2 1 1", "unexpected line after the hold: %r" % line)
    check(len(values) >= 2, "holding the arrow gave %s, no repeat" % values)
    expected = [(1 + i) % 8 + 1 for i in range(len(values))]   # from 1, wrapping 8 -> 1
    check(values == expected, "held arrow stepped %s, expected %s" % (values, expected))
    demo.count = values[-1]


def drag_from_arrow_changes_continuously(demo):
    demo.point(arrow(CLAMP, up=True))
    xdo("mousedown", "1", "mousemove_relative", "--", "0", "-40", "mouseup", "1")
    demo.click(centre(FLAG))
    values = [0]
    line = demo.next_line()
    while line.startswith("cb 5 "):
        values.append(int(line.split()[2]))
        line = demo.next_line()
    check(line == "cb 2 0 1", "unexpected line after the drag: %r" % line)
    steps = [b - a for a, b in zip(values, values[1:])]
    # The press steps 1 and each repeat (if the machine was slow) 1 more; the
    # 40 pixel drag up moves 40 / 4 = 10 in one go.
    check(steps.count(10) == 1 and all(s in (1, 10) for s in steps) and steps[0] == 1,
          "drag from 0 gave %s" % values[1:])


def no_input_lost_while_main_window_is_slow(demo):
    demo.click(centre(SLOW))
    demo.expect("cb 6 1 1")
    demo.click(arrow(COUNT, up=False), hold=None)
    demo.click(arrow(COUNT, up=False))
    demo.click(centre(PRESS), hold=None)
    demo.click(centre(PRESS))
    demo.click(centre(SLOW))
    for _ in range(2):
        demo.count = 8 if demo.count == 1 else demo.count - 1
        demo.expect("cb 3 %d 1" % demo.count)
    demo.expect("cb 7 1 1")
    demo.expect("cb 7 2 1")
    demo.expect("cb 6 0 1")


def application_changes_are_shown(demo):
    # 'r' in the main window sets Count to 5 behind the panel's back; the
    # panel takes it over at its next event, so one step up gives 6.
    xdo("mousemove", "--window", demo.main, 100, 75)
    xdo("key", "r")
    line = demo.next_line(want_draw=True)
    while line != "key r":
        line = demo.next_line(want_draw=True)
    demo.click(arrow(COUNT, up=True))
    demo.expect("cb 3 6 1")


def button_needs_release_inside(demo):
    demo.point(centre(PRESS))
    x, y = centre(PRESS)
    xdo("mousedown", "1", "mousemove", "--window", demo.panel, x, y + 60, "mouseup", "1")
    demo.click(centre(PRESS))
    demo.expect("cb 7 3 1")


def idle_panel_uses_no_cpu(demo):
    xdo("mousemove", "--window", demo.panel, 2, 2)
    time.sleep(0.5)
    before = demo.cpu_ticks()
    time.sleep(2.0)
    used = demo.cpu_ticks() - before
    hz = os.sysconf("SC_CLK_TCK")
    check(used <= hz // 10, "idle demo used %d ticks of %d per second" % (used, hz))


def quit_exits_with_status_0(demo):
    demo.click(centre(QUIT))
    check(demo.proc.wait(timeout=WAIT) == 0, "Quit gave status %s" % demo.proc.returncode)


CHECKS = [
    window_fits_and_sits_beside,
    radio_fires_on_change_only,
    checkbox_fires_on_every_toggle,
    int_spinner_arrows_step_and_wrap,
    typed_text_commits_on_enter_and_junk_is_rejected,
    typed_text_commits_when_focus_moves,
    leaving_the_panel_commits_and_releases_keys,
    clamped_int_spinner,
    held_arrow_repeats_until_released,
    drag_from_arrow_changes_continuously,
    no_input_lost_while_main_window_is_slow,
    application_changes_are_shown,
    button_needs_release_inside,
    idle_panel_uses_no_cpu,
    quit_exits_with_status_0,
]


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    demo = Demo(sys.argv[1])
    passed = failed = 0
    try:
        for run in CHECKS:
            try:
                run(demo)
                passed += 1
                print("ok   %s" % run.__name__)
            except (Failure, subprocess.SubprocessError) as e:
                failed += 1
                print("FAIL %s: %s" % (run.__name__, e))
                break  # later checks build on this one's state
    finally:
        if demo.proc.poll() is None:
            demo.proc.kill()
            demo.proc.wait()
    skipped = len(CHECKS) - passed - failed
    print("%d passed, %d failed%s" % (passed, failed,
                                      ", %d skipped" % skipped if skipped else ""))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
