"""Shared fixture of the end-to-end tests: one private X server per test
class, a fresh viewer per test, both stopped at the end whatever happens.

Run a test file as: python3 test_x.py PATH_TO_VIEWER [unittest options]."""
import sys
import time
import unittest

import model
import reports
from xsession import ViewerProcess, XServer, wait_until

VIEWER_PATH = None


class ViewerTest(unittest.TestCase):
    maxDiff = None
    xserver = None

    @classmethod
    def setUpClass(cls):
        cls.xserver = XServer()

    @classmethod
    def tearDownClass(cls):
        cls.xserver.stop()

    def start_viewer(self, trace=False):
        viewer = ViewerProcess(self.xserver, VIEWER_PATH, trace=trace)
        self.addCleanup(viewer.cleanup)
        wait_until(lambda: viewer.screenshot(viewer.drawing).lit() > 0, 20,
                   'the first frame of the drawing window')
        wait_until(lambda: len(set(viewer.screenshot(viewer.panel).data)) > 2, 20,
                   'the first picture of the panel')
        viewer.settled_screenshot(viewer.panel)
        return viewer

    # Reports ---------------------------------------------------------------

    def camera_report(self, viewer):
        """The printed eye point. Lines that earlier events write late (such
        as "flipped") may precede the title; callers check the whole stream."""
        out, err = viewer.report('C', 0, reports.CAMERA_TITLE)
        self.assertTrue(err.endswith(reports.CAMERA_TITLE), err)
        reports.parse_vector(out)
        return out

    def model_view_report(self, viewer):
        out, err = viewer.report('question', 2, reports.MODEL_VIEW_TITLES)
        self.assertEqual(err, reports.MODEL_VIEW_TITLES)
        return reports.parse_matrices(out)

    def projection_report(self, viewer):
        out, err = viewer.report('P', 2, reports.PROJECTION_TITLES)
        self.assertEqual(err, reports.PROJECTION_TITLES)
        return reports.parse_matrices(out)

    def settle(self, viewer):
        """Waits until the events sent so far are handled and the frame they
        asked for is on screen: a camera report is a round trip through the
        event queue, and the frame follows right after that batch."""
        self.camera_report(viewer)
        viewer.settled_screenshot(viewer.drawing)

    def check_model_view(self, viewer, expected):
        """The model-view report against a model.Viewer: Corvane's record to
        the printed digit, OpenGL's look-at to the float precision."""
        viewer.settled_screenshot(viewer.drawing)
        opengl, corvane = self.model_view_report(viewer)
        self.assertEqual(corvane, reports.printed(expected.model_view), 'Corvane model-view')
        self.assertPrintedClose(opengl, model.look_at_matrix(expected.camera), 2e-6,
                                'OpenGL model-view')

    def assertPrintedClose(self, printed, expected, tolerance, what=''):
        self.assertTrue(reports.close(printed, expected, tolerance),
                        '%s: printed %s, expected %s' % (what, printed,
                                                          ['%.6f' % e for e in expected]))


def main():
    global VIEWER_PATH
    if len(sys.argv) < 2:
        sys.exit('usage: %s PATH_TO_VIEWER [unittest options]' % sys.argv[0])
    VIEWER_PATH = sys.argv[1]
    started = time.monotonic()
    program = unittest.main(module='__main__', argv=[sys.argv[0]] + sys.argv[2:],
                            verbosity=2, exit=False)
    print('%.1f s' % (time.monotonic() - started))
    sys.exit(0 if program.result.wasSuccessful() else 1)
