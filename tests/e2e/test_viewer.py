"""What only the running viewer shows: real clicks and keys reach the right
handler in the right window, the reports reach a pipe whole and in order, the
exit statuses, no CPU while idle. The numbers are literal values of the
viewer's tables."""
import os
import time

import viewer_case
from harness import gl_calls
from viewer_case import START_EYE, START_PROJECTION, ViewerCase, pixel_line

GL_CULL_FACE = 0x0B44
IDENTITY = [[('1.000000' if i == j else '0.000000') for j in range(4)] for i in range(4)]
PANEL_LABELS = ['', 'Render Mode', 'Points', 'Wireframe', 'Solid', 'Light On/Off',
                'Backface culling', '# Subdivisions ', 'Camera', 'Hfov:', 'Vfov:', 'TRANSLATE',
                'ROTATE', 'Look at Object', 'Axes', 'X', 'Y', 'Z', 'Reset View', 'Quit']
# The drawing window's first calls: the start-up order, then reshape's viewport.
FIRST_CALLS = [('glPixelStorei', [0x0CF5, 1]), ('glClearColor', [0.0, 0.0, 0.0, 0.0]),
               ('glEnable', [0x0B71]), ('glEnable', [GL_CULL_FACE]),
               ('glViewport', [0, 0, 400, 400])]

def cpu_ticks(pid):
    """The CPU time a process has used, user and system, in clock ticks."""
    with open('/proc/%d/stat' % pid) as f:
        return sum(map(int, f.read().rsplit(')', 1)[1].split()[11:13]))

def block(title, matrix):
    return '\n%s\n\n%s\n\n' % (title, '\n'.join(' '.join(r) for r in matrix))

class Panel(ViewerCase):
    def test_controls_reach_the_drawing_window(self):
        self.assertEqual(list(self.map.controls), PANEL_LABELS)
        v = self.start(trace=True)
        # Beside it, top-aligned; its size is a measurement of the toolkit's layout.
        self.assertEqual(v.geometry(v.panel), (408, 0, 219, 473))
        start, shots = self.start_picture, []
        for label in ('Backface culling', 'Backface culling', 'Points', 'Wireframe'):
            self.click(v, label)
            shots.append(v.settled_screenshot(v.drawing, (shots or [start])[-1]))
        self.assertGreater(shots[0].lit(), start.lit())       # the back half shows through
        self.assertEqual(shots[1], start)
        self.assertLess(shots[2].lit(), start.lit())
        for depth, same in (('2', False), ('9', True)):         # 9 wraps to 1
            before = v.settled_screenshot(v.drawing)
            v.enter(v.panel, '# Subdivisions ', depth)
            self.assertEqual(v.settled_screenshot(v.drawing, before) == start, same, depth)
        # A left press asks for a frame, a right or middle one does not.
        self.projection(v)
        for button in (3, 2, 1):
            v.click(v.drawing, 150, 150, button)
            self.sync(v)
            v.settled_screenshot(v.drawing)
            self.projection(v)
        # The fields of view wrap; the first two diagonal elements follow.
        steps = [(lambda: v.enter(v.panel, 'Hfov:', '200'), ['10.392304', '1.732051']),
                 (lambda: self.click(v, 'Hfov:', 'down'), ['0.577350', '1.732051']),
                 (lambda: self.click(v, 'Vfov:', 'up'), ['0.575319', '1.697663']),
                 (lambda: v.enter(v.panel, 'Vfov:', '9.5'), ['0.000000', '0.000000'])]
        for i, (action, diagonal) in enumerate(steps):
            action()
            self.sync(v)
            p = self.projection(v)
            self.assertEqual([p[0][0], p[1][1]], diagonal, 'step %d' % i)
        # Without Enter, typed text waits while the pointer stays in the panel; leaving it (for
        # the sync click) applies the text.
        v.enter(v.panel, 'Vfov:', '60', then=())
        self.assertEqual(self.projection(v), p)
        self.sync(v)
        p = self.projection(v)
        self.assertEqual([p[0][0], p[1][1]], ['0.577350', '1.732051'])
        # A held arrow steps on, upwards, until released: Vfov 60 becomes at least 63 after 1.2 s
        # (a step at the press, a repeat at 0.4 s and every 0.08 s after; the second diagonal
        # element is 1.664279 at 62).
        v.x.xdotool('mousemove', '--window', v.panel, *self.map.centre('Vfov:', 'up'),
                    'mousedown', 1, 'sleep', 1.2, 'mouseup', 1)
        self.sync(v)
        self.assertLess(float(self.projection(v)[1][1]), 1.65)
        out, err = v.out.mark(), v.err.mark()
        self.click(v, 'Quit')
        self.assertEqual(v.wait_exit(), 0)
        self.assertEqual(v.out.text(out) + v.err.text(err), '')

        calls = gl_calls(v.trace_path)
        ours = [(n, a) for n, a, d in calls if d == v.drawing and not n.startswith('glX')]
        self.assertEqual(ours[:5], FIRST_CALLS)
        swaps = []      # per projection read-back, the drawing window's swaps before the next
        for name, args, drawable in calls:
            if name == 'glGetFloatv' and args[0] == 0x0BA7 and drawable == v.drawing:
                swaps.append(0)
            elif name == 'glXSwapBuffers' and args[1] == v.drawing and swaps:
                swaps[-1] += 1
        self.assertEqual(swaps[:3], [0, 0, 1])
        self.assertEqual([n for n, a in ours if n in ('glEnable', 'glDisable')
                          and a == [GL_CULL_FACE]], ['glEnable', 'glDisable', 'glEnable'])
        config = next(a for n, a, _ in calls if n == 'glXChooseFBConfig')[2]
        attributes = dict(zip(config[0::2], config[1::2]))
        self.assertGreaterEqual(attributes[11], 1)              # GLX_ALPHA_SIZE

    def test_the_started_viewer_uses_no_cpu_while_nothing_happens(self):
        """No idle callback, no timer: at most a tenth of a second in 2 s."""
        v = self.start()
        ticks = cpu_ticks(v.proc.pid)
        time.sleep(2)
        self.assertLessEqual(cpu_ticks(v.proc.pid) - ticks, os.sysconf('SC_CLK_TCK') // 10)

class Keys(ViewerCase):
    def test_reports_reach_one_pipe_whole_and_in_order_and_escape_ends_with_1(self):
        v = self.start(merged=True)
        v.key(v.drawing, 'question', 'C', 'P')
        v.click(v.drawing, 120, 45, button=2)
        model_view = IDENTITY[:2] + [['0.000000', '0.000000', '1.000000', '-2.500000']] \
            + IDENTITY[3:]
        want = (block('OpenGL Model/View Matrix', model_view)
                + block('Corvane Model/View Matrix', IDENTITY) + '\nCamera Position\n' + START_EYE
                + block('OpenGL Projection Matrix', START_PROJECTION)
                + block('Corvane Projection Matrix', START_PROJECTION) + pixel_line(120, 45))
        self.assertEqual(v.out.wait_for(lambda t: t.endswith(pixel_line(120, 45))), want)
        v.key(v.drawing, 'Escape')
        self.assertEqual(v.wait_exit(), 1)
        self.assertEqual(v.out.text(), want)

if __name__ == '__main__':
    viewer_case.main()
