"""Keys and mouse in the drawing window: the "?", "P" and "C" reports checked
against independently computed numbers, silent keys, the middle-button pixel
line, drags with every button, and Esc."""

import e2e_common
import model
import reports
from e2e_common import ViewerTest
from panel import Panel

START_PROJECTION_ROWS = [
    ['1.732051', '0.000000', '0.000000', '0.000000'],
    ['0.000000', '1.732051', '0.000000', '0.000000'],
    ['0.000000', '0.000000', '-1.000200', '-0.200020'],
    ['0.000000', '0.000000', '-1.000000', '0.000000'],
]

# Keys the drawing window must ignore: lower-case report letters, other
# characters, and keys that reach GLUT as special keys.
SILENT_KEYS = ['c', 'p', 'slash', 'a', 'x', 'space', 'Return', 'BackSpace', '1', 'Tab',
               'F1', 'Left', 'Up', 'Home', 'Delete', 'comma', 'period', 'q', 'ctrl+c', 'alt+p']


def rows(matrix):
    return [[matrix[4 * j + i] for j in range(4)] for i in range(4)]


class StartReports(ViewerTest):
    def test_camera_report_at_start(self):
        viewer = self.start_viewer()
        self.assertEqual(self.camera_report(viewer), '(0.000, 0.000, 2.500)\n')

    def test_projection_report_at_start(self):
        viewer = self.start_viewer()
        opengl, corvane = self.projection_report(viewer)
        self.assertEqual([[float(v) for v in row] for row in rows(opengl)],
                         [[float(v) for v in row] for row in START_PROJECTION_ROWS])
        # Corvane's projection is built by gluPerspective's formula from the
        # same fields of view.
        self.assertPrintedClose(corvane, reports.as_floats(opengl), 1e-6, 'Corvane projection')

    def test_model_view_report_at_start(self):
        viewer = self.start_viewer()
        opengl, corvane = self.model_view_report(viewer)
        self.assertEqual(corvane, reports.printed(model.identity()))
        self.assertPrintedClose(opengl, model.translation(0.0, 0.0, -2.5), 0.0, 'OpenGL model-view')


class Keys(ViewerTest):
    def test_other_keys_print_nothing_and_change_nothing(self):
        viewer = self.start_viewer()
        before = viewer.screenshot(viewer.drawing)
        out_mark, err_mark = viewer.out.mark(), viewer.err.mark()
        viewer.key(*SILENT_KEYS)
        # A camera report behind the silent keys proves they were handled.
        self.assertEqual(self.camera_report(viewer), '(0.000, 0.000, 2.500)\n')
        self.assertEqual(viewer.out.text(out_mark), '(0.000, 0.000, 2.500)\n')
        self.assertEqual(viewer.err.text(err_mark), reports.CAMERA_TITLE)
        self.assertEqual(self.model_view_report(viewer)[1], reports.printed(model.identity()))
        self.assertEqual(viewer.screenshot(viewer.drawing), before)

    def test_escape_ends_with_status_one_and_prints_nothing(self):
        viewer = self.start_viewer()
        out_mark, err_mark = viewer.out.mark(), viewer.err.mark()
        viewer.key('Escape')
        self.assertEqual(viewer.wait_exit(), 1)
        self.assertEqual(viewer.out.text(out_mark), '')
        self.assertEqual(viewer.err.text(err_mark), '')


class Mouse(ViewerTest):
    def test_middle_press_prints_the_pixel_and_nothing_else(self):
        viewer = self.start_viewer()
        out_mark, err_mark = viewer.out.mark(), viewer.err.mark()
        viewer.click(viewer.drawing, 120, 45, button=2)
        viewer.click(viewer.drawing, 0, 399, button=2)
        viewer.click(viewer.drawing, 300, 10, button=1)
        viewer.click(viewer.drawing, 310, 20, button=3)
        self.camera_report(viewer)
        self.assertEqual(viewer.err.text(err_mark),
                         reports.pixel_line(120, 45) + reports.pixel_line(0, 399)
                         + reports.CAMERA_TITLE)
        self.assertEqual(viewer.out.text(out_mark), '(0.000, 0.000, 2.500)\n')

    def test_drags_with_every_button_move_the_camera_along_z(self):
        viewer = self.start_viewer()
        expected = model.Viewer()
        err_mark = viewer.err.mark()
        drags = [(1, [(200, 200), (200, 190), (230, 185)]),      # up 10, then right 30
                 (3, [(100, 100), (104, 104), (100, 108)]),      # ties: vertical decides
                 (2, [(50, 300), (47, 305), (40, 301)])]          # middle prints its pixel
        for button, points in drags:
            viewer.drag(points, button=button)
            expected.press(*points[0])
            for p in points[1:]:
                expected.move(*p)
        self.assertEqual(self.camera_report(viewer),
                         reports.printed_vector(expected.camera.eye.tuple()))
        self.assertEqual(viewer.err.text(err_mark),
                         reports.pixel_line(50, 300) + reports.CAMERA_TITLE)
        self.check_model_view(viewer, expected)


class DragSequence(ViewerTest):
    """A known mixed sequence of drags in every mode and axis."""

    SEQUENCE = [
        # (navigation mode, axis, look at object, button, points)
        ('TRANSLATE', 'X', False, 1, [(200, 200), (210, 200), (210, 193), (205, 195)]),
        ('TRANSLATE', 'Y', False, 3, [(100, 300), (103, 295), (110, 295)]),
        ('ROTATE', 'X', False, 1, [(200, 100), (200, 117), (190, 117)]),
        ('ROTATE', 'Y', False, 1, [(50, 50), (80, 52), (60, 70)]),
        ('ROTATE', 'Z', False, 3, [(300, 300), (290, 340), (291, 341)]),
        ('ROTATE', 'Y', True, 2, [(60, 60), (45, 61)]),          # no aiming while rotating
        ('TRANSLATE', 'Z', True, 1, [(200, 200), (200, 190), (205, 185)]),
        ('TRANSLATE', 'X', True, 1, [(120, 120), (130, 125), (126, 120)]),
        ('TRANSLATE', 'Y', False, 1, [(220, 220), (220, 228)]),
    ]

    def test_reports_after_a_known_drag_sequence(self):
        viewer = self.start_viewer()
        panel = Panel(viewer)
        expected = model.Viewer()
        err_mark, err = viewer.err.mark(), ''
        for mode, axis, look, button, points in self.SEQUENCE:
            panel.select(mode)
            panel.select(axis)
            panel.set_checked('Look at Object', look)
            expected.mode = 0 if mode == 'TRANSLATE' else 1
            expected.axis = 'XYZ'.index(axis)
            expected.look_at = int(look)
            viewer.drag(points, button=button)
            if button == 2:
                err += reports.pixel_line(*points[0])
            flips = expected.camera.flips
            expected.press(*points[0])
            for p in points[1:]:
                expected.move(*p)
            err += 'flipped\n' * (expected.camera.flips - flips)
        self.assertEqual(self.camera_report(viewer),
                         reports.printed_vector(expected.camera.eye.tuple()))
        self.assertEqual(viewer.err.text(err_mark), err + reports.CAMERA_TITLE)
        self.check_model_view(viewer, expected)

        # Reset View restores the camera, not the Corvane record, and leaves
        # the panel as it was.
        panel.park()
        panel_before = viewer.settled_screenshot(viewer.panel)
        panel.click('Reset View')
        self.assertEqual(self.camera_report(viewer), '(0.000, 0.000, 2.500)\n')
        expected.camera.reset()
        self.check_model_view(viewer, expected)
        self.assertEqual(viewer.settled_screenshot(viewer.panel), panel_before)


if __name__ == '__main__':
    e2e_common.main()
