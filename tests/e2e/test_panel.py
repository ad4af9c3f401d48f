"""Every panel control through real clicks and typing, checked in the OpenGL
call stream, in the picture and in the reports."""

import e2e_common
import gltrace as gl
import model
import reports
from e2e_common import ViewerTest
from panel import Panel


class Expect:
    """The drawing window's state after a step."""

    def __init__(self, mode=gl.GL_LINE, light=False, cull=True, triangles=80, fov=(60.0, 60.0),
                 same=False):
        self.mode, self.light, self.cull = mode, light, cull
        self.triangles, self.fov = triangles, fov
        self.same = same   # the step leaves the picture as it was

    def but(self, **changes):
        e = Expect(self.mode, self.light, self.cull, self.triangles, self.fov)
        for k, v in changes.items():
            setattr(e, k, v)
        return e


def projection_printed(hfov, vfov):
    return [float('%f' % model.f32(v)) for v in model.projection(hfov, vfov)]


_SPHERES = {}


def sphere_calls(depth):
    """Per triangle, the (call, point) pairs a frame sends: each corner's
    normal (the point itself) and then the corner."""
    if depth not in _SPHERES:
        _SPHERES[depth] = [[(name, p) for p in triangle
                            for name in ('glNormal3fv', 'glVertex3fv')]
                           for triangle in model.icosphere(depth)]
    return _SPHERES[depth]


class Segment:
    """The drawing window's calls between two projection reports (the
    markers): what the panel's handler did before the next frame, the last
    frame, whether culling was on for it, and the projection at the marker."""

    def __init__(self):
        self.handler = []
        self.in_frame = False
        self.last = None
        self.projection = None


def segments(calls, drawing):
    tracker = gl.StateTracker()
    frame, result, seg = [], [], Segment()
    for c in calls:
        if c.name == 'glXSwapBuffers' and c.arg(1) == drawing:
            seg.last = (gl.FrameSummary(frame), gl.GL_CULL_FACE in tracker.enabled)
            frame = []
            continue
        if c.drawable != drawing or c.name.startswith('glX'):
            continue
        # A frame begins with the model-view reset to the identity.
        if c.name == 'glLoadIdentity' and tracker.mode == gl.GL_MODELVIEW:
            seg.in_frame = True
        tracker.feed(c)
        frame.append(c)
        if c.name == 'glGetFloatv' and c.arg(0) == gl.GL_PROJECTION_MATRIX:
            seg.projection = tracker.projection
            result.append(seg)
            seg = Segment()
        elif not seg.in_frame:
            seg.handler.append((c.name,) + tuple(c.values()))
    return result


def handler_calls(kind, expect):
    """The GL calls the panel's handler makes for a step, before the frame."""
    if kind == 'cull':
        return [('glEnable' if expect.cull else 'glDisable', gl.GL_CULL_FACE)]
    if kind == 'fov':
        return [('glMatrixMode', gl.GL_PROJECTION), ('glLoadIdentity',),
                ('glMultMatrixd', model.projection(*expect.fov)),
                ('glMatrixMode', gl.GL_MODELVIEW)]
    return []


class ControlsInTheStream(ViewerTest):
    def test_every_control_by_clicks_and_typing(self):
        viewer = self.start_viewer(trace=True)
        panel = Panel(viewer)
        start = Expect()
        steps = [
            (None, None, start),
            ('draw', lambda: panel.click('Points'), start.but(mode=gl.GL_POINT)),
            ('draw', lambda: panel.click('Solid'), start.but(mode=gl.GL_FILL)),
            ('draw', lambda: panel.click('Light On/Off'), start.but(mode=gl.GL_FILL, light=True)),
            ('draw', lambda: panel.click('Light On/Off'), start.but(mode=gl.GL_FILL)),
            ('draw', lambda: panel.click('Wireframe'), start),
            ('cull', lambda: panel.click('Backface culling'), start.but(cull=False)),
            ('cull', lambda: panel.click('Backface culling'), start),
            ('draw', lambda: panel.enter('# Subdivisions', '2'), start.but(triangles=320)),
            ('draw', lambda: panel.enter('# Subdivisions', '3'), start.but(triangles=1280)),
            ('draw', lambda: panel.enter('# Subdivisions', '9'), start),
            ('fov', lambda: panel.enter('Hfov', '90'), start.but(fov=(90.0, 60.0))),
            ('fov', lambda: panel.enter('Hfov', '72.3'), start.but(fov=(72.3, 60.0))),
            ('fov', lambda: panel.enter('Hfov', '60'), start),
            ('fov', lambda: panel.enter('Vfov', '30'), start.but(fov=(60.0, 30.0))),
            ('fov', lambda: panel.enter('Hfov', '200'), start.but(fov=(10.0, 30.0))),
            ('fov', lambda: panel.enter('Hfov', '9.5'), start.but(fov=(180.0, 30.0))),
            ('fov', lambda: panel.enter('Vfov', '180.5'), start.but(fov=(180.0, 10.0))),
            ('fov', lambda: panel.enter('Vfov', '-20'), start.but(fov=(180.0, 180.0))),
            # With a vertical field of 180 degrees the picture shrinks to
            # nothing, so this step changes no pixel.
            ('fov', lambda: panel.enter('Hfov', '45.25'), start.but(fov=(45.25, 180.0), same=True)),
            ('fov', lambda: panel.enter('Vfov', '60'), start.but(fov=(45.25, 60.0))),
        ]
        # Controls that take effect at the next drag still get a frame.
        unchanged = start.but(fov=(45.25, 60.0), same=True)
        steps += [('draw', lambda name=name: panel.click(name), unchanged)
                  for name in ('Look at Object', 'ROTATE', 'X', 'Reset View', 'Look at Object')]
        pictures = []
        for kind, action, expect in steps:
            before = pictures[-1] if pictures else None
            if action:
                action()
            if expect.same:
                self.settle(viewer)
                self.assertEqual(viewer.screenshot(viewer.drawing), before)
                pictures.append(before)
            else:
                pictures.append(viewer.settled_screenshot(viewer.drawing, differs_from=before))
            opengl, corvane = self.projection_report(viewer)
            self.assertEqual(reports.as_floats(opengl), projection_printed(*expect.fov),
                             'projection for fields of view %s' % (expect.fov,))
            self.assertPrintedClose(corvane, reports.as_floats(opengl), 1e-6, 'Corvane projection')
        # A left press in the drawing window asks for a frame; a right or a
        # middle press does not, nor does a report key.
        presses = ((1, True), (3, False), (2, False), ('question', False))
        for button, _ in presses:
            if button == 'question':
                self.model_view_report(viewer)
            else:
                viewer.click(viewer.drawing, 150, 150, button)
            self.settle(viewer)
            self.projection_report(viewer)
        out_mark, err_mark = viewer.out.mark(), viewer.err.mark()
        panel.click('Quit')
        self.assertEqual(viewer.wait_exit(), 0)
        self.assertEqual((viewer.out.text(out_mark), viewer.err.text(err_mark)), ('', ''))

        self.check_pictures(pictures)
        found = segments(gl.load(viewer.trace_path), viewer.drawing)
        self.assertEqual(len(found), len(steps) + len(presses))
        for segment, (button, redraws) in zip(found[len(steps):], presses):
            self.assertEqual(segment.last is not None, redraws, 'button %s' % button)
            if button != 'question':
                self.assertEqual(segment.handler, [])
        for i, (segment, (kind, _, expect)) in enumerate(zip(found, steps)):
            with self.subTest(step=i):
                if kind:
                    self.assertEqual(segment.handler, handler_calls(kind, expect))
                self.check_frame(segment, expect)

    def check_frame(self, segment, expect):
        self.assertIsNotNone(segment.last, 'no frame drawn before the report')
        frame, culled = segment.last
        self.assertEqual(frame.triangles, expect.triangles)
        self.assertEqual(frame.unpaired, 0)
        depth = {80: 1, 320: 2, 1280: 3}[expect.triangles]
        self.assertTrue(frame.vertices == sphere_calls(depth), 'vertices at depth %d' % depth)
        self.assertEqual(frame.polygon_modes, [(gl.GL_FRONT_AND_BACK, expect.mode)])
        lights = [s for s in frame.switches if s[1] in (gl.GL_LIGHTING, gl.GL_LIGHT0)]
        self.assertEqual(lights, [(expect.light, gl.GL_LIGHTING), (expect.light, gl.GL_LIGHT0)])
        self.assertEqual(frame.clears, [gl.GL_COLOR_AND_DEPTH])
        self.assertEqual(frame.colors, [(1.0, 1.0, 1.0)])
        self.assertEqual(culled, expect.cull)
        self.assertEqual(segment.projection, model.projection(*expect.fov))

    def check_pictures(self, p):
        lit = [shot.lit() for shot in p]
        start, points, solid, lit_solid, flat_solid, wire, unculled = p[:7]
        self.assertLess(lit[1], lit[0])                  # corners only
        self.assertGreater(lit[2], lit[0])               # filled
        self.assertEqual(flat_solid, solid)              # light off again: the same picture
        self.assertEqual(len(set(lit_solid.data)) > 8, True)   # shaded: many tones
        self.assertEqual(max(lit_solid.data) < 255, True)      # default light, no pure white
        self.assertEqual(wire, start)
        self.assertGreater(lit[6], lit[5])               # back faces drawn too
        self.assertEqual(p[7], start)                    # culling on again
        self.assertGreater(lit[8], lit[0])               # more edges at depth 2
        self.assertGreater(lit[9], lit[8])
        self.assertEqual(p[10], start)                   # 9 wrapped to 1
        # Hfov 90 with Vfov 60 narrows the sphere horizontally.
        box = p[11].bbox()
        want = model.projected_bbox(1, aspect=1.5)
        for got, w in zip(box, want):
            self.assertAlmostEqual(got, w, delta=2)
        self.assertEqual(p[13], start)


class NavigationControls(ViewerTest):
    def test_mode_and_axis_choose_the_drag(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        expected = model.Viewer()
        start = viewer.screenshot(viewer.drawing)
        for mode in ('TRANSLATE', 'ROTATE'):
            for axis in 'XYZ':
                panel.click('Reset View')
                expected.camera.reset()
                panel.select(mode)
                panel.select(axis)
                # Choosing a mode or an axis changes nothing until the next drag.
                self.camera_report(viewer)
                self.assertEqual(viewer.settled_screenshot(viewer.drawing), start)
                expected.mode = ('TRANSLATE', 'ROTATE').index(mode)
                expected.axis = 'XYZ'.index(axis)
                for points in ([(200, 200), (210, 200)], [(150, 150), (150, 143)]):
                    viewer.drag(points)
                    expected.press(*points[0])
                    expected.move(*points[1])
                with self.subTest(mode=mode, axis=axis):
                    self.assertEqual(self.camera_report(viewer),
                                     reports.printed_vector(expected.camera.eye.tuple()))
                    self.check_model_view(viewer, expected)


class LookAtObject(ViewerTest):
    def drag_and_check(self, viewer, expected, points, flips):
        err_mark, flips_before = viewer.err.mark(), expected.camera.flips
        viewer.drag(points)
        expected.press(*points[0])
        for p in points[1:]:
            expected.move(*p)
        self.assertEqual(self.camera_report(viewer),
                         reports.printed_vector(expected.camera.eye.tuple()))
        self.assertEqual(expected.camera.flips - flips_before, flips)
        self.assertEqual(viewer.err.text(err_mark), 'flipped\n' * flips + reports.CAMERA_TITLE)
        self.check_model_view(viewer, expected)

    def test_aiming_after_a_half_roll_flips(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        expected = model.Viewer()
        panel.select('ROTATE')
        expected.mode = 1
        self.drag_and_check(viewer, expected, [(200, 20), (200, 380)], 0)
        panel.select('TRANSLATE')
        panel.set_checked('Look at Object', True)
        expected.mode, expected.look_at = 0, 1
        # The new up (0, 1, 0) has no component on the side of the old one,
        # which points down: the camera stays upside down.
        self.drag_and_check(viewer, expected, [(200, 200), (200, 210)], 1)
        self.assertEqual(expected.camera.v.tuple(), (0.0, -1.0, 0.0))

    def test_aiming_over_the_pole_flips(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        expected = model.Viewer()
        panel.select('Y')
        panel.set_checked('Look at Object', True)
        expected.axis, expected.look_at = 1, 1
        # Up along v in 6-pixel steps: the 16th step carries the eye past the
        # pole, where the world up would turn the camera over.
        points = [(200, 390 - 6 * i) for i in range(17)]
        self.drag_and_check(viewer, expected, points, 1)
        # Every further step keeps the camera upside down, with a flip each.
        self.drag_and_check(viewer, expected, [(200, 200), (200, 194), (200, 188)], 2)

    def test_without_look_at_a_translation_keeps_the_axes(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        expected = model.Viewer()
        panel.select('X')
        expected.axis = 0
        self.drag_and_check(viewer, expected, [(200, 200), (230, 200)], 0)
        self.assertEqual(expected.camera.n.tuple(), (0.0, 0.0, 1.0))


class Subdivisions(ViewerTest):
    def test_wraps_at_both_ends(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        start = viewer.screenshot(viewer.drawing)
        field_one = panel.field_image('# Subdivisions')
        panel.enter('# Subdivisions', '8')
        deepest = viewer.settled_screenshot(viewer.drawing, differs_from=start, timeout=60)
        field_eight = panel.field_image('# Subdivisions')
        self.assertGreater(deepest.lit(), 2 * start.lit())
        panel.enter('# Subdivisions', '9')      # above 8 gives 1
        self.assertEqual(viewer.settled_screenshot(viewer.drawing, differs_from=deepest,
                                                   timeout=60), start)
        self.assertEqual(panel.field_image('# Subdivisions'), field_one)
        panel.enter('# Subdivisions', '0')      # below 1 gives 8
        self.assertEqual(viewer.settled_screenshot(viewer.drawing, differs_from=start,
                                                   timeout=60), deepest)
        self.assertEqual(panel.field_image('# Subdivisions'), field_eight)
        panel.click_arrow('# Subdivisions', up=True)     # 8 + 1 wraps to 1
        self.assertEqual(viewer.settled_screenshot(viewer.drawing, differs_from=deepest,
                                                   timeout=60), start)
        self.assertEqual(panel.field_image('# Subdivisions'), field_one)
        panel.click_arrow('# Subdivisions', up=False)    # 1 - 1 wraps to 8
        self.assertEqual(viewer.settled_screenshot(viewer.drawing, differs_from=start,
                                                   timeout=60), deepest)
        self.assertEqual(panel.field_image('# Subdivisions'), field_eight)
        panel.enter('# Subdivisions', '1')
        self.assertEqual(viewer.settled_screenshot(viewer.drawing, differs_from=deepest,
                                                   timeout=60), start)


class FieldOfViewArrows(ViewerTest):
    def test_arrow_clicks_step_by_one_degree_and_wrap(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        for name, up, fov in (('Hfov', True, (61.0, 60.0)), ('Vfov', False, (61.0, 59.0)),
                              ('Vfov', True, (61.0, 60.0))):
            panel.click_arrow(name, up)
            self.settle(viewer)
            self.assertEqual(reports.as_floats(self.projection_report(viewer)[0]),
                             projection_printed(*fov), (name, up))
        panel.enter('Hfov', '180')
        panel.click_arrow('Hfov', up=True)               # above 180 gives 10
        panel.enter('Vfov', '10')
        panel.click_arrow('Vfov', up=False)              # below 10 gives 180
        self.settle(viewer)
        self.assertEqual(reports.as_floats(self.projection_report(viewer)[0]),
                         projection_printed(10.0, 180.0))


if __name__ == '__main__':
    e2e_common.main()
