"""Robustness of the running viewer: no input lost while frames are slow, a
seeded random run over both windows with junk typed into the spinners, and
windows resized down to one pixel and far beyond what the GL stack can draw."""
import math
import random

import viewer_case
from viewer_case import PATIENCE, SYNC_PIXEL, ViewerCase, pixel_line, wait_until

SEED, EVENTS = 20240613, 800
JUNK = ['abc', '', 'nan', 'inf', '-inf', '1e39x', '0' * 64, '12abc', ' ', '.', '--5', '0x10',
        '1,5', '\u00e9']
DRAWING_KEYS = ['C', 'P', 'question', 'c', 'p', 'a', 'space', 'Return', 'Left', 'F5', 'Tab']

class Robustness(ViewerCase):
    def test_no_input_lost_while_frames_are_slow(self):
        v = self.start()
        v.enter(v.panel, '# Subdivisions ', '7')
        v.settled_screenshot(v.drawing, differs_from=self.start_picture)
        # One burst: ten 2-pixel drag steps on Z and three clicks on an arrow,
        # all queued behind frames of 327,680 triangles.
        v.drag(v.drawing, [(200, 200 + 2 * i) for i in range(11)])
        v.x.xdotool('mousemove', '--window', v.panel, *v.map.centre('Hfov:', 'up'),
                    'click', '--repeat', 3, '--delay', 50, 1)
        self.sync(v)
        self.assertEqual(self.eye(v), '(0.000, 0.000, 3.500)\n')
        self.assertEqual(self.projection(v)[0][0], '1.649572')      # Hfov 63
    def test_seeded_random_run_with_junk_in_the_spinners(self):
        v = self.start()
        rng = random.Random(SEED)
        spinners = v.map.labels('spinner')
        clickable = v.map.labels('radio') + v.map.labels('checkbox') + ['Reset View']
        start_projection = self.projection(v)
        for label in spinners:
            for text in JUNK:
                v.enter(v.panel, label, text)
        self.assertEqual(self.projection(v), start_projection)
        self.assertEqual(v.settled_screenshot(v.drawing), self.start_picture)
        point = lambda: (rng.randrange(399), rng.randrange(400))   # never the sync pixel
        def drag():
            points, button = [point()], rng.choice((1, 2, 3))
            for _ in range(rng.randint(1, 5)):
                points.append(tuple(min(399, max(0, c + rng.randint(-25, 25))) for c in points[-1]))
            v.drag(v.drawing, points, button)
            return len(points) + 1
        def key():
            v.x.xdotool('mousemove', '--window', v.drawing, *point(), 'windowfocus', v.drawing,
                        'key', rng.choice(DRAWING_KEYS))
            return 3
        panel_click = lambda: self.click(v, rng.choice(clickable)) or 3
        def arrow_drag():
            points = [v.map.centre(rng.choice(spinners), rng.choice(('up', 'down')))]
            for _ in range(rng.randint(1, 4)):
                points.append((points[0][0], points[-1][1] + rng.randint(-40, 40)))
            v.drag(v.panel, points)
            v.enter(v.panel, '# Subdivisions ', '1')    # deep spheres cost seconds a frame
            return len(points) + 8
        def typed():
            v.enter(v.panel, rng.choice(spinners), rng.choice(JUNK + ['%.3f' % rng.uniform(-500, 500)]))
            v.enter(v.panel, '# Subdivisions ', '1')
            return 20

        events = 0
        while events < EVENTS:
            events += rng.choice((drag, drag, key, panel_click, arrow_drag, typed))()
        self.sync(v)
        p = self.projection(v)
        self.assertTrue(all(math.isfinite(float(n)) for r in p for n in r), p)
        # cot(Vfov / 2) for Vfov in 10..180 degrees.
        self.assertTrue(0 <= float(p[1][1]) <= 11.430053, p)
        self.assertTrue(all(math.isfinite(float(n)) for n in self.eye(v)[1:-2].split(', ')))
    def test_resizing_to_one_pixel_and_far_beyond_the_limit(self):
        v = self.start()
        start_projection = self.projection(v)
        panel_size, panel_picture = v.size(v.panel), v.settled_screenshot(v.panel)
        for window, size in ((v.drawing, (400, 400)), (v.panel, panel_size)):
            v.resize(window, 1, 1)
            self.eye(v)
            v.resize(window, *size)
        mark = v.err.mark()
        v.x.xdotool('windowsize', v.drawing, 32767, 32767)
        wait_until(lambda: v.assert_alive() or v.size(v.drawing) == (16384, 16384), PATIENCE,
                   'the window within the limit')
        self.sync(v)
        self.assertEqual(v.err.text(mark), 'viewer: the drawing window is limited to 16384 x 16384 '
                         'pixels\n' + pixel_line(*SYNC_PIXEL))
        v.resize(v.drawing, 400, 400)
        self.assertEqual(v.settled_screenshot(v.drawing), self.start_picture)
        self.assertEqual(v.settled_screenshot(v.panel), panel_picture)
        self.assertEqual(self.projection(v), start_projection)
        self.click(v, 'Points')
        self.assertLess(v.settled_screenshot(v.drawing, differs_from=self.start_picture).lit(),
                        self.start_picture.lit())

if __name__ == '__main__':
    viewer_case.main()
