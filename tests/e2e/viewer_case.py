"""The real viewer for end-to-end tests: one private X server and one control
map per test class, a fresh viewer per test, all stopped whatever happens.
Run a test file as: python3 test_x.py VIEWER PANEL_MAP [unittest options]."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from harness import DRAWING_TITLE, PANEL_TITLE, PATIENCE, Program, XServer, wait_until  # noqa: E402

VIEWER = PANEL_MAP = None
START_EYE = '(0.000, 0.000, 2.500)\n'
START_PROJECTION = [['1.732051', '0.000000', '0.000000', '0.000000'],
                    ['0.000000', '1.732051', '0.000000', '0.000000'],
                    ['0.000000', '0.000000', '-1.000200', '-0.200020'],
                    ['0.000000', '0.000000', '-1.000000', '0.000000']]
SYNC_PIXEL = (399, 0)   # nothing else presses it: its line marks the end of a batch

def pixel_line(x, y):
    return 'Coordinates of the pixel (%d, %d)\n' % (x, y)

class ViewerCase(unittest.TestCase):
    maxDiff = None
    @classmethod
    def setUpClass(cls):
        cls.x = XServer()
        cls.addClassCleanup(cls.x.stop)
        cls.map = cls.x.control_map([PANEL_MAP])
    def start(self, *options, first_frame=True, titles=(DRAWING_TITLE, PANEL_TITLE), **kw):
        """A viewer with the options; kw as for harness.Program."""
        v = Program(self.x, [VIEWER, *options], titles, **kw)
        self.addCleanup(v.stop)
        v.map = self.map
        v.drawing, v.panel = v.windows[:2]
        if first_frame:
            wait_until(lambda: v.screenshot(v.drawing).lit() > 0, PATIENCE, 'the first frame')
            wait_until(lambda: len(set(v.screenshot(v.panel).data)) > 2, PATIENCE, 'the panel')
            self.start_picture = v.settled_screenshot(v.drawing)
        return v
    def click(self, v, label, part='rect'):
        v.click(v.panel, *self.map.centre(label, part))
    def report(self, v, key, titles, lines):
        """Presses a report key, checks its titles; returns its `lines` lines of numbers."""
        out, err = v.out.mark(), v.err.mark()
        v.key(v.drawing, key)
        self.assertEqual(v.err.wait_for(lambda t: t.endswith(titles), err, what=titles), titles)
        return v.out.wait_for(lambda t: t.count('\n') >= lines, out, what='the numbers')
    def eye(self, v):
        return self.report(v, 'C', '\nCamera Position\n', 1)
    def projection(self, v):
        """OpenGL's projection rows, after checking Corvane's prints the same."""
        text = self.report(v, 'P', '\nOpenGL Projection Matrix\n\nCorvane Projection Matrix\n', 12)
        rows = [line.split() for line in text.splitlines() if line]
        self.assertEqual(rows[:4], rows[4:])
        return rows[:4]
    def sync(self, v, timeout=PATIENCE):
        """Waits until every event sent so far has been handled."""
        mark = v.err.mark()
        v.click(v.drawing, *SYNC_PIXEL, button=2)
        v.err.wait_for(lambda t: pixel_line(*SYNC_PIXEL) in t, mark, timeout, 'the sync line')

def main():
    global VIEWER, PANEL_MAP
    VIEWER, PANEL_MAP = sys.argv[1:3]
    unittest.main(module='__main__', argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
