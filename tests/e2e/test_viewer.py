"""What only the running viewer shows: real clicks and keys reach the right
handler in the right window, the reports reach a pipe whole and in order, and
the exit statuses. The arithmetic behind the numbers is pinned by the C++
tests; here the numbers are literal values of the viewer's tables."""
import viewer_case
from viewer_case import START_EYE, ViewerCase, pixel_line

GL_CULL_FACE = 0x0B44
START_PROJECTION = [['1.732051', '0.000000', '0.000000', '0.000000'],
                    ['0.000000', '1.732051', '0.000000', '0.000000'],
                    ['0.000000', '0.000000', '-1.000200', '-0.200020'],
                    ['0.000000', '0.000000', '-1.000000', '0.000000']]
IDENTITY = [[('1.000000' if i == j else '0.000000') for j in range(4)] for i in range(4)]
PANEL_LABELS = ['', 'Render Mode', 'Points', 'Wireframe', 'Solid', 'Light On/Off',
                'Backface culling', '# Subdivisions ', 'Camera', 'Hfov:', 'Vfov:', 'TRANSLATE',
                'ROTATE', 'Look at Object', 'Axes', 'X', 'Y', 'Z', 'Reset View', 'Quit']


def block(title, matrix):
    return '\n%s\n\n%s\n\n' % (title, '\n'.join(' '.join(r) for r in matrix))


# Start-up up to the first frame in the drawing window, as OpenGL sees it;
# the sphere's 80 triangles follow (their vertices are pinned by the C++ tests).
FIRST_FRAME = [
    ('glPixelStorei', [0x0CF5, 1]), ('glClearColor', [0.0, 0.0, 0.0, 0.0]),
    ('glEnable', [0x0B71]), ('glEnable', [GL_CULL_FACE]), ('glViewport', [0, 0, 400, 400]),
    ('glMatrixMode', [0x1701]), ('glLoadIdentity', []), ('glMultMatrixd', START_PROJECTION),
    ('glMatrixMode', [0x1700]), ('glLoadIdentity', []), ('glLoadIdentity', []),
    ('glMultMatrixf', IDENTITY), ('glTranslated', [0.0, 0.0, -2.5]),
    ('glDisable', [0x0B50]), ('glDisable', [0x4000]), ('glClear', [0x4100]),
    ('glColor3f', [1.0, 1.0, 1.0]), ('glPolygonMode', [0x0408, 0x1B01])]


def as_rows(column_major):
    return [['%f' % (column_major[4 * j + i] + 0.0) for j in range(4)] for i in range(4)]


class Panel(ViewerCase):
    def test_labels_in_order(self):
        self.assertEqual(list(self.map.controls), PANEL_LABELS)

    def test_render_controls_reach_the_drawing_window(self):
        v = self.start(trace=True)
        self.assertEqual(v.geometry(v.drawing), (0, 0, 400, 400))
        self.assertEqual(v.geometry(v.panel)[:2], (408, 0))     # beside it, top-aligned
        start = self.start_picture
        pictures = {}
        for label in ('Backface culling', 'Backface culling', 'Points', 'Solid', 'Light On/Off',
                      'Light On/Off', 'Wireframe'):
            before = v.settled_screenshot(v.drawing)
            self.click(v, label)
            pictures.setdefault(label, []).append(
                v.settled_screenshot(v.drawing, differs_from=before))
        unculled, culled = pictures['Backface culling']
        self.assertGreater(unculled.lit(), start.lit())       # the back half shows through
        self.assertEqual(culled, start)
        self.assertLess(pictures['Points'][0].lit(), start.lit())
        self.assertGreater(pictures['Solid'][0].lit(), start.lit())
        lit, unlit = pictures['Light On/Off']
        self.assertGreater(lit.tones(), 8)                      # shaded
        self.assertEqual(unlit, pictures['Solid'][0])
        self.assertEqual(pictures['Wireframe'][0], start)
        for depth, same in (('2', False), ('9', True)):         # 9 wraps to 1
            before = v.settled_screenshot(v.drawing)
            v.enter(v.panel, '# Subdivisions ', depth)
            shot = v.settled_screenshot(v.drawing, differs_from=before)
            self.assertEqual(shot == start, same, depth)
        # A left press asks for a frame, a right or middle one does not.
        self.projection(v)
        for button in (3, 2, 1):
            v.click(v.drawing, 150, 150, button)
            self.sync(v)
            v.settled_screenshot(v.drawing)
            self.projection(v)
        out, err = v.out.mark(), v.err.mark()
        self.click(v, 'Quit')
        self.assertEqual(v.wait_exit(), 0)
        self.assertEqual(v.out.text(out) + v.err.text(err), '')

        calls = v.gl_calls()
        swaps = []
        for name, args, drawable in calls:
            if name == 'glGetFloatv' and args[0] == 0x0BA7 and drawable == v.drawing:
                swaps.append(0)
            elif name == 'glXSwapBuffers' and args[1] == v.drawing and swaps:
                swaps[-1] += 1
        self.assertEqual(swaps, [0, 0, 1, 0])
        culling = [name for name, args, drawable in calls if drawable == v.drawing
                   and name in ('glEnable', 'glDisable') and args == [GL_CULL_FACE]]
        self.assertEqual(culling, ['glEnable', 'glDisable', 'glEnable'])
        first = [(n, a) for n, a, d in calls if d == v.drawing and not n.startswith('glX')]
        first = first[:first.index(('glBegin', [0x0004]))]
        first = [(n, as_rows(a[0]) if n.startswith('glMultMatrix') else a)
                 for n, a in first if n != 'glFlush']
        self.assertEqual(first, FIRST_FRAME)
        config = next(a for n, a, _ in calls if n == 'glXChooseFBConfig')[2]
        attributes = dict(zip(config[0::2], config[1::2]))
        self.assertEqual(attributes[5], 1)                      # GLX_DOUBLEBUFFER
        self.assertGreaterEqual(attributes[11], 1)              # GLX_ALPHA_SIZE
        self.assertGreaterEqual(attributes[12], 1)              # GLX_DEPTH_SIZE

    def test_fields_of_view_wrap_and_reach_the_projection(self):
        v = self.start()
        # (action, expected OpenGL projection's first two diagonal elements)
        steps = [(lambda: v.enter(v.panel, 'Hfov:', '90'), ['1.154701', '1.732051']),
                 (lambda: v.enter(v.panel, 'Hfov:', '200'), ['10.392304', '1.732051']),
                 (lambda: self.click(v, 'Hfov:', 'down'), ['0.577350', '1.732051']),
                 (lambda: self.click(v, 'Vfov:', 'up'), ['0.575319', '1.697663']),
                 (lambda: v.enter(v.panel, 'Vfov:', '9.5'), ['0.000000', '0.000000']),
                 # No Enter: leaving the panel (for the sync click) applies the text.
                 (lambda: v.enter(v.panel, 'Vfov:', '60', then=()), ['0.577350', '1.732051'])]
        for i, (action, diagonal) in enumerate(steps):
            action()
            self.sync(v)
            p = self.projection(v)
            self.assertEqual([p[0][0], p[1][1]], diagonal, 'step %d' % i)
            self.assertEqual(p[2:], START_PROJECTION[2:])

    def test_navigation_controls_choose_the_drag(self):
        v = self.start()
        right, down = [(200, 200), (220, 200)], [(200, 200), (200, 220)]
        steps = [('X', right, '(1.000, 0.000, 2.500)'), ('Y', down, '(1.000, -1.000, 2.500)'),
                 ('Z', down, '(1.000, -1.000, 3.500)'), ('Reset View', None, START_EYE[:-1]),
                 ('Look at Object', right + [(240, 200)], '(0.000, 0.000, 4.500)'),
                 ('X', right + [(240, 200)], '(1.976, 0.000, 4.283)'),
                 ('ROTATE', down, '(1.976, 0.000, 4.283)')]
        for label, drag, eye in steps:
            self.click(v, label)
            if drag:
                v.drag(v.drawing, drag)
            self.assertEqual(self.eye(v), eye + '\n', label)
        opengl, corvane = self.model_view(v)
        # The turn: 10 degrees for the camera, read as 0.1745 degrees by Corvane,
        # after the translations (1 + 2 along x, -1 along y, 1 + 2 along z).
        self.assertEqual(opengl[1][:3], ['-0.072750', '0.984808', '-0.157674'])
        self.assertEqual(corvane, [['1.000000', '0.000000', '0.000000', '3.000000'],
                                   ['0.000000', '0.999995', '-0.003046', '-1.000000'],
                                   ['0.000000', '0.003046', '0.999995', '3.000000'],
                                   IDENTITY[3]])


class Keys(ViewerCase):
    def test_reports_reach_one_pipe_whole_and_in_order_and_escape_ends_with_1(self):
        v = self.start(merged=True)
        v.key(v.drawing, 'question', 'C', 'P')
        v.click(v.drawing, 120, 45, button=2)
        want = (block('OpenGL Model/View Matrix', [IDENTITY[0], IDENTITY[1],
                                                   ['0.000000', '0.000000', '1.000000',
                                                    '-2.500000'], IDENTITY[3]])
                + block('Corvane Model/View Matrix', IDENTITY)
                + '\nCamera Position\n' + START_EYE
                + block('OpenGL Projection Matrix', START_PROJECTION)
                + block('Corvane Projection Matrix', START_PROJECTION)
                + pixel_line(120, 45))
        self.assertEqual(v.out.wait_for(lambda t: t.endswith(pixel_line(120, 45))), want)
        v.key(v.drawing, 'Escape')
        self.assertEqual(v.wait_exit(), 1)
        self.assertEqual(v.out.text(), want)


if __name__ == '__main__':
    viewer_case.main()
