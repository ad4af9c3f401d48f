"""The opt-in windows from outside: --world leaves the drawing window's GL
calls and the reports as they are, --inspect adds only two matrix read-backs
after each swap, --raster only one read-back of the picture; the world view's observer stays sane whatever the input,
moves nothing else and follows the scene; closing it closes only it."""
import os
import tempfile

import viewer_case
from harness import DRAWING_TITLE, PANEL_TITLE, PATIENCE, Program, gl_calls, wait_until
from viewer_case import ViewerCase

WORLD_TITLE = 'World View'
BACKGROUND = (31, 31, 41)   # the world view's clear colour
SWAP = ('glXSwapBuffers', [])
READ_BACKS = [('glGetFloatv', 0x0BA6), ('glGetFloatv', 0x0BA7)]   # model-view, projection
# Every kind of change that redraws the drawing window, and the reports.
SESSION = '\n'.join(['select X', 'drag 10 0', 'check "Look at Object" on', 'drag 0 -40',
                     'drag 0 -40', 'select ROTATE', 'drag 15 5', 'select Solid',
                     'check "Light On/Off" on', 'set Vfov 30', 'resize 300 200',
                     'press "Reset View"', 'key ?', 'key P', 'key C', ''])

class ExtraWindows(ViewerCase):
    def session(self, *options):
        """The session's drawing-window calls, console output and status."""
        v = Program(self.x, [viewer_case.VIEWER, *options, '--script', self.script], (),
                    trace=True)
        self.addCleanup(v.stop)
        status, calls = v.wait_exit(120), gl_calls(v.trace_path)
        drawing = next(c[2] for c in calls if c[2] is not None)   # made current first
        # glX calls carry addresses: only the drawing window's swaps are kept, bare.
        ours = [SWAP if name == 'glXSwapBuffers' else (name, args)
                for name, args, drawable in calls if drawable == drawing and
                (name == 'glXSwapBuffers' or not name.startswith('glX'))]
        return ours, v.out.text(), v.err.text(), status
    def test_drawing_window_calls_and_reports_are_unchanged(self):
        with tempfile.NamedTemporaryFile('w', suffix='.script') as f:
            f.write(SESSION)
            f.flush()
            self.script = f.name
            plain, world, inspected, rastered = (
                self.session(*o) for o in ((), ('--world',), ('--inspect',), ('--raster',)))
        self.assertGreater(plain[0].count(SWAP), 10)
        self.assertEqual(world, plain)
        self.assertEqual(inspected[1:], plain[1:])
        calls, stripped = inspected[0], []
        for i, call in enumerate(calls):
            if i >= 2 and calls[i - 2] == SWAP or i >= 1 and calls[i - 1] == SWAP:
                self.assertIn((call[0], call[1][0]), READ_BACKS, 'after swap %d' % i)
            else:
                stripped.append(call)
        self.assertEqual(stripped, plain[0])
        # --raster: glReadPixels of the whole window right after each swap.
        self.assertEqual(rastered[1:], plain[1:])
        calls = rastered[0]
        after = [calls[i] for i in range(1, len(calls)) if calls[i - 1] == SWAP]
        self.assertEqual({name for name, args in after}, {'glReadPixels'})
        self.assertEqual([c for i, c in enumerate(calls) if i == 0 or calls[i - 1] != SWAP],
                         plain[0])
    def test_world_view_observer(self):
        v = self.start('--world', titles=(DRAWING_TITLE, PANEL_TITLE, WORLD_TITLE))
        world = v.windows[2]
        self.assertEqual(v.geometry(world), (0, 408, 400, 400))
        self.assertGreaterEqual(v.geometry(v.panel)[0], 400)
        sane = lambda shot: shot.pixel(0, 0) == BACKGROUND and shot.lit(100) > 1000
        wait_until(lambda: sane(v.screenshot(world)), PATIENCE, 'the first world view')
        start = v.settled_screenshot(world)
        # Each motion turns by its own step: there and back is no turn at all.
        v.drag(world, [(200, 200), (240, 220), (200, 200)])
        self.assertEqual(v.settled_screenshot(world), start)
        # A drag across the whole screen, a resize to one pixel and back: each
        # leaves a sane picture (the wheel's limits: observer_test).
        v.drag(world, [(0, 0), (1279, 1023), (0, 615)])
        self.assertTrue(sane(v.settled_screenshot(world, differs_from=start)))
        v.resize(world, 1, 1)
        # Wider, then taller, than at the start: the picture fills the new part too.
        for size, part in (((600, 300), (400, 0, 600, 300)), ((300, 600), (0, 0, 300, 200))):
            v.resize(world, *size)
            self.assertGreater(v.settled_screenshot(world).crop(*part).lit(100), 0, size)
        v.resize(world, 400, 400)
        v.key(world, 'r')
        self.assertEqual(v.settled_screenshot(world), start)
        self.assertEqual(v.screenshot(v.drawing), self.start_picture)
        # The world view follows a drag in the drawing window.
        v.drag(v.drawing, [(200, 200), (200, 230)])
        self.assertNotEqual(v.settled_screenshot(world, differs_from=start), start)
    def test_snapshot_after_closing_an_extra_window(self):
        """The snapshots are named pipes, so the script waits in each until the
        test reads it: the world view is closed after "hold" was taken and
        before "turn" is let go; "after" leaves it out, and nothing is printed."""
        out = tempfile.mkdtemp()
        script = os.path.join(out, 'closing.script')
        with open(script, 'w') as f:
            f.write('snap hold\nsnap turn\nsnap after\n')
        def read(name):
            with open(os.path.join(out, name + '.png'), 'rb') as f:
                return int.from_bytes(f.read()[16:20], 'big')   # the PNG's width
        for name in ('hold', 'turn'):
            os.mkfifo(os.path.join(out, name + '.png'))
        v = Program(self.x, [viewer_case.VIEWER, '--world', '--script', script, '--out', out],
                    (DRAWING_TITLE, PANEL_TITLE, WORLD_TITLE))
        self.addCleanup(v.stop)
        world_width = v.geometry(v.windows[2])[2]
        hold = read('hold')
        v.close(v.windows[2])
        read('turn')
        self.assertEqual(v.wait_exit(), 0)
        self.assertEqual(read('after'), hold - world_width)
        self.assertEqual(v.err.text(), '')

if __name__ == '__main__':
    viewer_case.main()
