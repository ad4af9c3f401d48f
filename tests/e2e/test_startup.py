"""Start-up as a person and OpenGL see it: the two windows, their titles,
sizes and places, the panel's controls at their start values, and the GL
calls up to the first frame."""

import e2e_common
import gltrace as gl
import model
from e2e_common import ViewerTest
from panel import Panel, RADIO_GROUPS, CHECKBOXES, SPINNERS, START_SELECTION

IGNORED = ('glFlush',)
GLX_DOUBLEBUFFER, GLX_ALPHA_SIZE, GLX_DEPTH_SIZE = 5, 11, 12


def expected_first_frame():
    calls = [
        ('glPixelStorei', gl.GL_UNPACK_ALIGNMENT, 1),
        ('glClearColor', 0.0, 0.0, 0.0, 0.0),
        ('glEnable', gl.GL_DEPTH_TEST),
        ('glEnable', gl.GL_CULL_FACE),
        ('glViewport', 0, 0, 400, 400),
        ('glMatrixMode', gl.GL_PROJECTION),
        ('glLoadIdentity',),
        ('glMultMatrixd', model.glu_perspective(60.0, 1.0, model.NEAR_PLANE, 1000.0)),
        ('glMatrixMode', gl.GL_MODELVIEW),
        ('glLoadIdentity',),
        ('glLoadIdentity',),
        # gluLookAt(0, 0, 2.5, 0, 0, 1.5, 0, 1, 0): the frame's rotation is the
        # identity, then the eye is moved to the origin.
        ('glMultMatrixf', model.identity()),
        ('glTranslated', 0.0, 0.0, -2.5),
        ('glDisable', gl.GL_LIGHTING),
        ('glDisable', gl.GL_LIGHT0),
        ('glClear', gl.GL_COLOR_AND_DEPTH),
        ('glColor3f', 1.0, 1.0, 1.0),
        ('glPolygonMode', gl.GL_FRONT_AND_BACK, gl.GL_LINE),
    ]
    for triangle in model.icosphere(1):
        calls.append(('glBegin', gl.GL_TRIANGLES))
        for p in triangle:
            calls += [('glNormal3fv', list(p)), ('glVertex3fv', list(p))]
        calls.append(('glEnd',))
    return calls


def as_tuple(call):
    return (call.name,) + tuple(call.values())


class Windows(ViewerTest):
    def test_windows_titles_sizes_and_places(self):
        viewer = self.start_viewer()
        self.assertEqual(viewer.title(viewer.drawing), 'OpenGL')
        self.assertEqual(viewer.title(viewer.panel), 'Tavrin Assignment 3')
        drawing = viewer.geometry(viewer.drawing)
        self.assertEqual((drawing.x, drawing.y, drawing.width, drawing.height), (0, 0, 400, 400))
        panel = viewer.geometry(viewer.panel)
        self.assertGreater(panel.width, 50)
        self.assertGreater(panel.height, 100)
        # Beside the drawing window: no overlap, wholly on the screen.
        self.assertTrue(panel.x >= 400 or panel.y >= 400, panel)
        self.assertLessEqual(panel.x + panel.width, 1280)
        self.assertLessEqual(panel.y + panel.height, 1024)

    def test_first_picture_is_a_white_wireframe_sphere_on_black(self):
        viewer = self.start_viewer()
        shot = viewer.screenshot(viewer.drawing)
        self.assertEqual(shot.pixel(0, 0), (0, 0, 0))
        self.assertEqual(shot.pixel(399, 399), (0, 0, 0))
        # Lighting is off: white lines, and at most grey edge pixels between.
        colours = {shot.pixel(x, y) for x in range(0, 400, 3) for y in range(0, 400, 3)}
        self.assertTrue(all(r == g == b for r, g, b in colours), colours)
        self.assertIn((255, 255, 255), colours)
        expected = model.projected_bbox(1)
        for got, want in zip(shot.bbox(), expected):
            self.assertAlmostEqual(got, want, delta=2)

class PanelAtStart(ViewerTest):
    def test_controls_show_their_start_values(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        shot = viewer.screenshot(viewer.panel)
        for group in RADIO_GROUPS:
            shown = [name for name in group if panel.shows_on(name, shot)]
            self.assertEqual(shown, [n for n in group if n in START_SELECTION], group)
        for name in CHECKBOXES:
            self.assertEqual(panel.shows_on(name, shot), name in START_SELECTION, name)
        # The fields show the same as after typing the start values.
        fields = [panel.field_image(name, shot) for name in SPINNERS]
        for name, text in zip(SPINNERS, ('1', '60', '60')):
            panel.enter(name, text)
        shot = viewer.settled_screenshot(viewer.panel)
        self.assertEqual([panel.field_image(name, shot) for name in SPINNERS], fields)


class FirstFrame(ViewerTest):
    def test_gl_calls_up_to_the_first_frame(self):
        viewer = self.start_viewer(trace=True)
        drawing = viewer.drawing
        viewer.key('Escape')
        self.assertEqual(viewer.wait_exit(), 1)
        calls = gl.load(viewer.trace_path)
        first = []
        for c in calls:
            if c.name == 'glXSwapBuffers' and c.arg(1) == drawing:
                break
            if c.drawable == drawing and not c.name.startswith('glX') and c.name not in IGNORED:
                first.append(as_tuple(c))
        self.assertEqual(first, expected_first_frame())
        # The drawing window, created first, asks for double buffering with
        # alpha and depth.
        config = next(c for c in calls if c.name == 'glXChooseFBConfig')
        attributes = dict(zip(config.arg(2)[0::2], config.arg(2)[1::2]))
        self.assertEqual(attributes.get(GLX_DOUBLEBUFFER), 1)
        self.assertGreaterEqual(attributes.get(GLX_ALPHA_SIZE, 0), 1)
        self.assertGreaterEqual(attributes.get(GLX_DEPTH_SIZE, 0), 1)


if __name__ == '__main__':
    e2e_common.main()
