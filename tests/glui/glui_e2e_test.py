#!/usr/bin/env python3
"""The panel toolkit with real input: every press and release of glui_demo
(controls found by label in its --map) reaches the rules the glui unit tests
pin. The demo prints "cb <id> <value> <1 if the main window is current>" per
callback; a check that expects none follows its action with a known one and
asserts that one comes next. Usage: glui_e2e_test.py PATH_TO_glui_demo"""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from harness import Program, XServer  # noqa: E402

DEMO = None
COUNT, ANGLE = 'Count:', 'Angle:'

class Demo(unittest.TestCase):
    def next_line(self):
        text = self.p.out.wait_for(lambda t: '\n' in t, self.seen, what='a callback line')
        line = text.split('\n')[0]
        self.seen += len(line) + 1
        return line
    def expect(self, *lines):
        self.assertEqual([self.next_line() for _ in lines], list(lines))
    def click(self, label, part='rect', burst=False):
        """A click; burst: press and release reach the panel together."""
        self.xdo('mousemove', '--window', self.panel, *self.p.map.centre(label, part),
                 'mousedown', 1, *([] if burst else ['sleep', 0.001]), 'mouseup', 1)
    def type_into(self, label, text, *after):
        self.click(label, 'field')                 # selects the field's whole text
        self.xdo('type', '--delay', 15, '--', text)     # after "--" all is text
        self.xdo('key', *after) if after else None
    def test_every_control_by_real_input(self):
        x = XServer()
        self.addCleanup(x.stop)
        self.p = Program(x, [DEMO], ['glui demo panel', 'glui demo gfx'])
        self.addCleanup(self.p.stop)
        self.p.map, self.xdo, self.seen = x.control_map([DEMO, '--map']), x.xdotool, 0
        self.panel, self.main = self.p.windows
        # Radio buttons fire on a change of selection only, check boxes on
        # every toggle, arrows step by one and wrap within 1..8; a burst
        # (press and release in one read) counts as a click too.
        for label, part, burst in [('Gamma', 'rect', 0), ('Gamma', 'rect', 0),
                                   ('Alpha', 'rect', 1), ('Flag', 'rect', 0),
                                   ('Flag', 'rect', 1), (COUNT, 'down', 0), (COUNT, 'down', 0),
                                   (COUNT, 'down', 1), (COUNT, 'up', 1)]:
            self.click(label, part, burst)
        self.expect('cb 1 2 1', 'cb 1 0 1', 'cb 2 1 1', 'cb 2 0 1', 'cb 3 2 1', 'cb 3 1 1',
                    'cb 3 8 1', 'cb 3 1 1')
        # Typed text commits on Return or a click elsewhere, not while typing.
        self.type_into(ANGLE, '175', 'Return')
        self.type_into(ANGLE, '90')
        self.click('Flag')
        self.expect('cb 4 175.00 1', 'cb 4 90.00 1', 'cb 2 1 1')  # not 9.00 first
        # Without a window manager the keys follow the pointer: leaving the
        # panel applies the text (a key held while leaving does not type).
        self.type_into(ANGLE, '120')
        self.xdo('keydown', 'BackSpace', 'mousemove', '--window', self.main, 100, 75,
                 'keyup', 'BackSpace')
        self.expect('cb 4 12.00 1')
        # A held arrow repeats until released, wrapping 8 to 1.
        self.xdo('mousemove', '--window', self.panel, *self.p.map.centre(COUNT, 'up'),
                 'mousedown', 1, 'sleep', 1.2, 'mouseup', 1)
        self.click('Flag')
        values, line = [], self.next_line()
        while line.startswith('cb 3 '):
            values.append(int(line.split()[2]))
            line = self.next_line()
        self.assertEqual(line, 'cb 2 0 1')
        self.assertGreaterEqual(len(values), 2)
        self.assertEqual(values, [(1 + i) % 8 + 1 for i in range(len(values))])
        # Nothing runs while nothing happens: no idle callback, no timer.
        def cpu_ticks():    # utime + stime
            with open('/proc/%d/stat' % self.p.proc.pid) as f:
                return sum(map(int, f.read().rsplit(')', 1)[1].split()[11:13]))
        self.xdo('mousemove', '--window', self.panel, 2, 2, 'sleep', 0.5)
        ticks = cpu_ticks()
        self.xdo('sleep', 2)
        self.assertLessEqual(cpu_ticks() - ticks, os.sysconf('SC_CLK_TCK') // 10)
        self.click('Quit')
        self.assertEqual(self.p.wait_exit(), 0)

if __name__ == '__main__':
    DEMO = sys.argv.pop(1)
    unittest.main(verbosity=2)
