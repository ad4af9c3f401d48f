#!/usr/bin/env python3
"""End-to-end test of the panel toolkit: glui_demo on a private X server,
clicked and typed into through the harness, controls found by label in the
demo's own control map (glui_demo --map).

Usage: glui_e2e_test.py PATH_TO_glui_demo

glui_demo prints "cb <id> <value> <1 if the main window is current>" for
every control callback, "draw" for every frame of its main window and
"key <c>" for its keys. The checks run in order on one demo process, each
from the state the previous one left. A check that expects no callback
follows its action with a known one and asserts that that one comes next.
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from harness import DEMO_MAIN_TITLE, DEMO_PANEL_TITLE, Program, XServer  # noqa: E402

DEMO = None
COUNT, ANGLE, CLAMP = 'Count:', 'Angle:', 'Clamp:'


class Demo(unittest.TestCase):
    def setUp(self):
        x = XServer()
        self.addCleanup(x.stop)
        demo_map = x.control_map([DEMO, '--map'])
        self.p = Program(x, [DEMO], [DEMO_PANEL_TITLE, DEMO_MAIN_TITLE])
        self.addCleanup(self.p.stop)
        self.p.map = demo_map
        self.panel, self.main = self.p.windows
        self.xdo = x.xdotool
        self.seen = 0

    def next_line(self, skip=('draw', 'key')):
        """The next line of the demo's output, skipping frames and keys."""
        def complete(text):
            return [l for l in text.split('\n')[:-1] if not l.startswith(skip)]
        text = self.p.out.wait_for(complete, self.seen, what='a callback line')
        line = complete(text)[0]
        self.seen += text.index(line + '\n') + len(line) + 1
        return line

    def expect(self, *lines):
        for line in lines:
            self.assertEqual(self.next_line(), line)

    def click(self, label, part='rect', burst=False):
        """A click; burst: press and release reach the panel together."""
        self.xdo('mousemove', '--window', self.panel, *self.p.map.centre(label, part))
        if burst:
            self.xdo('mousedown', 1, 'mouseup', 1)
        else:
            self.xdo('mousedown', 1, 'sleep', 0.001, 'mouseup', 1)

    def type_into(self, label, text, *after, before=()):
        self.click(label, 'field')                 # selects the field's whole text
        for k in before:
            self.xdo('key', k)
        if text:
            self.xdo('type', '--delay', 15, '--', text)
        for k in after:
            self.xdo('key', k)

    def values_until(self, prefix, end):
        values, line = [], self.next_line()
        while line.startswith(prefix):
            values.append(int(line.split()[2]))
            line = self.next_line()
        self.assertEqual(line, end)
        return values

    def test_every_control_by_real_input(self):
        self.assertEqual(self.p.size(self.panel), self.p.map.size)
        # Radio buttons fire on a change of selection only.
        self.click('Gamma')
        self.click('Gamma')
        self.click('Alpha', burst=True)
        self.expect('cb 1 2 1', 'cb 1 0 1')
        # Check boxes on every toggle.
        self.click('Flag')
        self.click('Flag', burst=True)
        self.expect('cb 2 1 1', 'cb 2 0 1')
        # Int spinner arrows step by one and wrap within 1..8.
        self.click(COUNT, 'up')
        for _ in range(4):
            self.click(COUNT, 'down')
        self.click(COUNT, 'up', burst=True)
        self.expect('cb 3 4 1', 'cb 3 3 1', 'cb 3 2 1', 'cb 3 1 1', 'cb 3 8 1', 'cb 3 1 1')
        # Typed text commits on Return; junk is refused and the field shows
        # 175.00 again, so "1" before it makes 1175, which wraps to 10.
        self.type_into(ANGLE, '175', 'Return')
        for junk in ('abc', 'nan'):
            self.type_into(ANGLE, junk, 'Return')
        self.type_into(ANGLE, '', 'BackSpace', 'Return')
        self.type_into(ANGLE, '1', 'Return', before=['Home'])
        self.type_into(ANGLE, '9', 'Return')       # below 10 wraps to the top
        self.expect('cb 4 175.00 1', 'cb 4 10.00 1', 'cb 4 180.00 1')
        # Or when the focus moves on: a click elsewhere, Tab; Escape abandons.
        self.type_into(ANGLE, '90')
        self.click('Flag')
        self.expect('cb 4 90.00 1', 'cb 2 1 1')   # not 9.00: nothing applied while typing
        self.type_into(ANGLE, '45', 'Tab')
        self.expect('cb 4 45.00 1')
        self.xdo('key', 'Escape')
        self.type_into(ANGLE, '33', 'Escape')
        self.click(ANGLE, 'up')
        self.expect('cb 4 46.00 1')
        # Without a window manager the keys follow the pointer: leaving the
        # panel applies the text, and a key released outside is released.
        self.type_into(ANGLE, '120')
        self.xdo('keydown', 'BackSpace', 'mousemove', '--window', self.main, 100, 75)
        self.expect('cb 4 12.00 1')
        self.xdo('keyup', 'BackSpace')
        self.type_into(ANGLE, '77', 'Return')
        self.expect('cb 4 77.00 1')
        # A clamping int spinner: whole numbers only, no change at the limit.
        self.type_into(CLAMP, '3.7', 'Return')
        self.type_into(CLAMP, '100', 'Return')
        self.click(CLAMP, 'up')
        self.type_into(CLAMP, '150', 'Return')
        self.type_into(CLAMP, '-5', 'Return')
        self.expect('cb 5 100 1', 'cb 5 0 1')
        # A held arrow repeats until released, wrapping 8 to 1.
        self.xdo('mousemove', '--window', self.panel, *self.p.map.centre(COUNT, 'up'),
                 'mousedown', 1, 'sleep', 1.2, 'mouseup', 1)
        self.click('Flag')
        values = self.values_until('cb 3 ', 'cb 2 0 1')
        self.assertGreaterEqual(len(values), 2)
        self.assertEqual(values, [(1 + i) % 8 + 1 for i in range(len(values))])
        count = values[-1]
        # A drag up from an arrow: the press steps 1 (a slow machine may add
        # repeats), the 40 pixels up 40 / 4 = 10 in one go.
        self.xdo('mousemove', '--window', self.panel, *self.p.map.centre(CLAMP, 'up'),
                 'mousedown', 1, 'mousemove_relative', '--', 0, -40, 'mouseup', 1)
        self.click('Flag')
        values = [0] + self.values_until('cb 5 ', 'cb 2 1 1')
        steps = [b - a for a, b in zip(values, values[1:])]
        self.assertTrue(steps[0] == 1 and steps.count(10) == 1 and set(steps) <= {1, 10}, values)
        # No input lost while the main window takes 700 ms a frame.
        self.click('Slow')
        self.expect('cb 6 1 1')
        self.click(COUNT, 'down', burst=True)
        self.click(COUNT, 'down')
        self.click('Press', burst=True)
        self.click('Press')
        self.click('Slow')
        for _ in range(2):
            count = 8 if count == 1 else count - 1
            self.expect('cb 3 %d 1' % count)
        self.expect('cb 7 1 1', 'cb 7 2 1', 'cb 6 0 1')
        # The application sets Count to 5 behind the panel's back ("r"); the
        # panel takes it over, so one step up gives 6.
        self.xdo('mousemove', '--window', self.main, 100, 75, 'key', 'r')
        while self.next_line(skip=('draw',)) != 'key r':
            pass
        self.click(COUNT, 'up')
        self.expect('cb 3 6 1')
        # A button fires only when released inside.
        x, y = self.p.map.centre('Press')
        self.xdo('mousemove', '--window', self.panel, x, y, 'mousedown', 1,
                 'mousemove', '--window', self.panel, x, y + 60, 'mouseup', 1)
        self.click('Press')
        self.expect('cb 7 3 1')
        # Nothing runs while nothing happens: no idle callback, no timer.
        self.xdo('mousemove', '--window', self.panel, 2, 2, 'sleep', 0.5)
        ticks = self.cpu_ticks()
        self.xdo('sleep', 2)
        self.assertLessEqual(self.cpu_ticks() - ticks, os.sysconf('SC_CLK_TCK') // 10)
        self.click('Quit')
        self.assertEqual(self.p.wait_exit(), 0)

    def cpu_ticks(self):
        with open('/proc/%d/stat' % self.p.proc.pid) as f:
            fields = f.read().rsplit(')', 1)[1].split()
        return int(fields[11]) + int(fields[12])    # utime + stime


if __name__ == '__main__':
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    DEMO = sys.argv.pop(1)
    unittest.main(verbosity=2)
