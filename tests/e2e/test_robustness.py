"""Robustness: a seeded random run over both windows, junk typed into the
spinners, windows resized down to 1 by 1 and back, and the Look-at-Object
translation onto the object's centre."""
import math
import random

import e2e_common
import model
import reports
from e2e_common import ViewerTest
from xsession import ViewerProcess
from panel import Panel, ARROWS, CONTROLS, RADIO_GROUPS, CHECKBOXES, SPINNERS

SEED = 20240613
MONKEY_EVENTS = 1500
RSS_GROWTH_LIMIT_KIB = 4 * 1024

JUNK = ['abc', '', 'nan', 'NaN', 'inf', '-inf', '1e39', '1e400', '99999999999', '-45', '-1e30',
        '0', '12abc', '--5', '+', '.', ' ', '0x10', '1,5', '\u00e9']
SAFE_SUBDIVISIONS = ['1', '2', '3']
DRAWING_KEYS = ['C', 'P', 'question', 'c', 'p', 'a', 'z', 'space', 'Return', 'Left', 'F5', '1',
                'slash', 'Tab', 'BackSpace']
PANEL_CLICKS = [n for group in RADIO_GROUPS for n in group] + list(CHECKBOXES) + ['Reset View']


def fields_of_view_ok(opengl):
    """Both fields of view, recovered from a printed projection, are finite
    and inside 10..180 degrees."""
    m = reports.as_floats(opengl)
    if not all(math.isfinite(v) for v in m):
        return False, m
    hfov, vfov = model.fields_of_view(m)
    inside = lambda f: 10 - 0.05 <= f <= 180 + 0.05
    return (inside(vfov) and (m[5] == 0 or inside(hfov))), (hfov, vfov)


class Monkey:
    """Random input as xdotool command chains; counts the X input events."""

    def __init__(self, viewer, rng):
        self.v, self.rng = viewer, rng
        self.events = 0

    def run(self, actions=8):
        """Sends a batch of random actions, in as few xdotool calls as its
        typing allows (type takes every argument after it)."""
        pending = []
        for _ in range(actions):
            for chain in self.rng.choice([self.drag, self.drag, self.wheel, self.key,
                                          self.panel_click, self.spinner_text,
                                          self.arrow_drag, self.panel_wheel])():
                pending += chain
                if chain[0] == 'type':
                    self.v.x.xdotool(*pending)
                    pending = []
        if pending:
            self.v.x.xdotool(*pending)

    def _point(self):
        """A random pixel of the drawing window, never the one of sync()."""
        while True:
            p = self.rng.randrange(400), self.rng.randrange(400)
            if p != ViewerProcess.SYNC_PIXEL:
                return p

    def drag(self):
        button = self.rng.choice((1, 2, 3))
        x, y = self._point()
        cmd = ['mousemove', '--window', self.v.drawing, x, y, 'mousedown', button]
        for _ in range(self.rng.randint(1, 5)):
            x = min(399, max(0, x + self.rng.randint(-25, 25)))
            y = min(399, max(0, y + self.rng.randint(-25, 25)))
            cmd += ['mousemove', '--window', self.v.drawing, x, y]
        self.events += cmd.count('mousemove') + 2
        return [cmd + ['mouseup', button]]

    def wheel(self):
        x, y = self._point()
        self.events += 3
        return [['mousemove', '--window', self.v.drawing, x, y, 'click', self.rng.choice((4, 5))]]

    def key(self):
        self.events += 2
        return [['windowfocus', self.v.drawing, 'key', self.rng.choice(DRAWING_KEYS)]]

    def panel_click(self):
        x, y = CONTROLS[self.rng.choice(PANEL_CLICKS)]
        self.events += 3
        return [['mousemove', '--window', self.v.panel, x, y, 'click', 1]]

    def panel_wheel(self):
        x, y = CONTROLS[self.rng.choice(SPINNERS)]
        self.events += 3
        return [['mousemove', '--window', self.v.panel, x, y, 'click', self.rng.choice((4, 5))]]

    def arrow_drag(self):
        """Press on a field-of-view arrow, drag it up or down, release."""
        x, y = ARROWS[self.rng.choice(('Hfov', 'Vfov'))][self.rng.randrange(2)]
        cmd = ['mousemove', '--window', self.v.panel, x, y, 'mousedown', 1]
        for _ in range(self.rng.randint(1, 4)):
            y += self.rng.randint(-40, 40)
            cmd += ['mousemove', '--window', self.v.panel, x, y]
        self.events += cmd.count('mousemove') + 2
        return [cmd + ['mouseup', 1]]

    def spinner_text(self):
        name = self.rng.choice(SPINNERS)
        text = self.rng.choice(JUNK + ['%.3f' % self.rng.uniform(-500, 500)])
        x, y = CONTROLS[name]
        chains = [['windowfocus', self.v.panel, 'mousemove', '--window', self.v.panel, x, y,
                   'click', 1, 'key', 'BackSpace']]
        if text:
            chains.append(['type', '--delay', 1, '--', text])
        chains.append(['key', 'Return'])
        self.events += 6 + 2 * len(text)
        if name == '# Subdivisions':
            # Deep spheres cost seconds a frame; come back to a cheap depth.
            chains += [['mousemove', '--window', self.v.panel, x, y, 'click', 1],
                       ['type', '--delay', 1, self.rng.choice(SAFE_SUBDIVISIONS)],
                       ['key', 'Return']]
            self.events += 7
        return chains


class Robustness(ViewerTest):
    def test_seeded_monkey_run_over_both_windows(self):
        viewer = self.start_viewer()
        self.warm_up(viewer)
        monkey = Monkey(viewer, random.Random(SEED))
        monkey.run(20)
        viewer.sync()
        rss_before = viewer.rss_kib()
        batches = 0
        while monkey.events < MONKEY_EVENTS:
            monkey.run()
            batches += 1
            if batches % 10 == 0:
                viewer.assert_alive()
                viewer.sync()
        viewer.sync()
        viewer.assert_alive()
        growth = viewer.rss_kib() - rss_before
        self.assertLessEqual(growth, RSS_GROWTH_LIMIT_KIB,
                             'resident memory grew by %d KiB' % growth)
        ok, detail = fields_of_view_ok(self.projection_report(viewer)[0])
        self.assertTrue(ok, detail)
        opengl, corvane = self.model_view_report(viewer)
        self.assertTrue(reports.all_finite(opengl), opengl)
        eye = reports.parse_vector(self.camera_report(viewer))
        self.assertTrue(reports.all_finite(eye), eye)

    def warm_up(self, viewer):
        """Draws the deepest sphere once, so that the GL driver's buffers have
        reached their largest size before memory is measured."""
        panel = Panel(viewer)
        start = viewer.screenshot(viewer.drawing)
        panel.enter('# Subdivisions', '8')
        deep = viewer.settled_screenshot(viewer.drawing, differs_from=start, timeout=60)
        panel.enter('# Subdivisions', '1')
        viewer.settled_screenshot(viewer.drawing, differs_from=deep, timeout=60)

    def test_junk_typed_into_the_spinners_is_refused(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        start = viewer.screenshot(viewer.drawing)
        for name in ('Hfov', 'Vfov', '# Subdivisions'):
            for text in ('abc', '', 'nan', 'inf', '-inf', '1e39x', '0' * 64, '12abc', ' ', '.'):
                panel.enter(name, text)
                opengl = self.projection_report(viewer)[0]
                with self.subTest(spinner=name, text=text):
                    self.assertEqual(reports.as_floats(opengl),
                                     [float('%f' % model.f32(v)) for v in model.projection(60, 60)])
        self.assertEqual(viewer.settled_screenshot(viewer.drawing), start)
        for name in ('Hfov', 'Vfov'):
            panel.enter(name, '1e30')                 # huge: above the limit, so 10
            panel.enter(name, '60')
        self.assertEqual(reports.as_floats(self.projection_report(viewer)[0]),
                         [float('%f' % model.f32(v)) for v in model.projection(60, 60)])

    def test_resizing_down_to_one_pixel_and_back(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        start = viewer.screenshot(viewer.drawing)
        start_projection = self.projection_report(viewer)
        viewer.resize(viewer.drawing, 1, 1)
        self.camera_report(viewer)
        viewer.resize(viewer.drawing, 800, 400)
        wide = viewer.settled_screenshot(viewer.drawing)
        # The aspect comes from the fields of view, so a wide window
        # stretches the sphere to twice its height.
        want = model.projected_bbox(1, width=800, height=400)
        for got, w in zip(wide.bbox(), want):
            self.assertAlmostEqual(got, w, delta=3)
        viewer.resize(viewer.drawing, 400, 400)
        self.assertEqual(viewer.settled_screenshot(viewer.drawing, differs_from=wide), start)
        self.assertEqual(self.projection_report(viewer), start_projection)

        panel_size = viewer.geometry(viewer.panel)
        panel_start = viewer.screenshot(viewer.panel)
        viewer.resize(viewer.panel, 1, 1)
        self.camera_report(viewer)
        viewer.resize(viewer.panel, panel_size.width, panel_size.height)
        self.assertEqual(viewer.settled_screenshot(viewer.panel), panel_start)
        panel.click('Points')
        self.assertLess(viewer.settled_screenshot(viewer.drawing, differs_from=start).lit(),
                        start.lit())
        viewer.assert_alive()

    def test_translating_onto_the_object_centre_keeps_a_usable_camera(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        start = viewer.screenshot(viewer.drawing)
        panel.set_checked('Look at Object', True)
        err_mark = viewer.err.mark()
        viewer.drag([(200, 300), (200, 250)])        # 50 px up on Z: d = -2.5 along n
        self.assertEqual(self.camera_report(viewer), '(0.000, 0.000, 0.000)\n')
        self.assertEqual(viewer.err.text(err_mark), reports.CAMERA_TITLE)
        expected = model.Viewer()
        expected.look_at = 1
        expected.press(200, 300)
        expected.move(200, 250)
        self.check_model_view(viewer, expected)
        opengl, corvane = self.model_view_report(viewer)
        self.assertTrue(reports.all_finite(opengl) and reports.all_finite(corvane))
        # Back out along the kept axis: the start view returns.
        viewer.drag([(200, 100), (200, 150)])
        self.assertEqual(self.camera_report(viewer), '(0.000, 0.000, 2.500)\n')
        self.assertEqual(viewer.settled_screenshot(viewer.drawing), start)


if __name__ == '__main__':
    e2e_common.main()
